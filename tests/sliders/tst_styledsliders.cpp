#include <ComponentsLibrary/SliderHighContrast.h>
#include <ComponentsLibrary/SliderHighlighted.h>

#include <QTest>

#include <memory>

using namespace Nalu::Components;

class TestStyledSliders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selectorAndOrientation_data()
    {
        QTest::addColumn<bool>("highContrast");
        QTest::addColumn<int>("orientation"); // 0: default constructor
        for (bool highContrast : {false, true}) {
            const char *name = highContrast ? "high contrast" : "highlighted";
            QTest::addRow("%s, default", name) << highContrast << 0;
            QTest::addRow("%s, horizontal", name) << highContrast << int(Qt::Horizontal);
            QTest::addRow("%s, vertical", name) << highContrast << int(Qt::Vertical);
        }
    }
    void selectorAndOrientation()
    {
        QFETCH(bool, highContrast);
        QFETCH(int, orientation);
        QWidget parent;
        std::unique_ptr<QSlider> slider;
        if (highContrast)
            slider.reset(orientation ? new SliderHighContrast(Qt::Orientation(orientation), &parent)
                                     : new SliderHighContrast(&parent));
        else
            slider.reset(orientation ? new SliderHighlighted(Qt::Orientation(orientation), &parent)
                                     : new SliderHighlighted(&parent));
        QCOMPARE(slider->parentWidget(), &parent);
        QCOMPARE(int(slider->orientation()), orientation ? orientation : int(Qt::Vertical));
        QCOMPARE(slider->property("slider_high_contrast"), highContrast ? QVariant(true) : QVariant());
        QCOMPARE(slider->property("slider_highlighted"), highContrast ? QVariant() : QVariant(true));
        QCOMPARE(slider->metaObject()->classInfo(slider->metaObject()->indexOfClassInfo("package")).value(),
                 "ComponentsLibrary");
    }
};

QTEST_MAIN(TestStyledSliders)
#include "tst_styledsliders.moc"
