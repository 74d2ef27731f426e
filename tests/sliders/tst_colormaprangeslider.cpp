#include <ComponentsLibrary/ColormapRangeSlider.h>

#include <QStyle>
#include <QStyleFactory>
#include <QTest>

using namespace Nalu::Components;
using Nalu::Models::Colormap;
using Nalu::Models::ColormapModel;

namespace {

class Slider : public ColormapRangeSlider
{
public:
    using RangeSlider::grooveRect;
    using RangeSlider::handleRectForValue;
};

const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), yellow(255, 255, 0);

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 5 && qAbs(a.green() - b.green()) < 5 && qAbs(a.blue() - b.blue()) < 5;
}

bool chessboard(const QColor &c, bool enabled)
{
    const QColor dark = enabled ? QColor(Qt::black) : QColor(Qt::black).lighter(150);
    const QColor grey = enabled ? QColor(70, 70, 70) : QColor(70, 70, 70).darker(200);
    return near(c, dark) || near(c, grey);
}

} // namespace

class TestColormapRangeSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void painting_data()
    {
        QTest::addColumn<QString>("model"); // none, empty, deleted, gradient, discrete
        QTest::addColumn<bool>("bound");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("minimumHeight");
        QTest::newRow("no model") << "none" << false << true << 0;
        QTest::newRow("no current colormap") << "empty" << false << true << 0;
        QTest::newRow("deleted model") << "deleted" << false << true << 0;
        QTest::newRow("gradient") << "gradient" << false << true << 0;
        QTest::newRow("gradient, bound") << "gradient" << true << true << 0;
        QTest::newRow("gradient, disabled") << "gradient" << false << false << 0;
        QTest::newRow("discrete") << "discrete" << false << true << 0;
        QTest::newRow("discrete, bound, disabled") << "discrete" << true << false << 0;
        QTest::newRow("discrete, tall") << "discrete" << false << true << 24;
    }
    void painting()
    {
        QFETCH(QString, model);
        QFETCH(bool, bound);
        QFETCH(bool, enabled);
        QFETCH(int, minimumHeight);
        const Colormap gradient(QStringLiteral("g"), QMap<double, QColor> {{0.0, red}, {1.0, blue}});
        const Colormap discrete(QStringLiteral("d"), QVector<QColor> {red, green, blue, yellow});
        auto *colormapModel = new ColormapModel;
        colormapModel->setCurrentColormap(model == QLatin1String("gradient")       ? &gradient
                                              : model == QLatin1String("discrete") ? &discrete
                                                                                   : nullptr);
        std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
        Slider slider;
        slider.setStyle(style.get());
        slider.resize(300, minimumHeight ? 2 * minimumHeight : 24);
        slider.setMinimumHeight(minimumHeight);
        slider.setSliderRange(25, 74);
        slider.setBoundColormapToRange(bound);
        slider.setEnabled(enabled);
        slider.setProperty("CornerRadius", 2);
        slider.setProperty("DefaultBrush", QBrush(QColor(200, 200, 200)));
        slider.setProperty("DefaultBrushDisabled", QBrush(QColor(100, 100, 100)));
        if (model != QLatin1String("none"))
            slider.setColormapModel(colormapModel);
        if (model == QLatin1String("deleted"))
            delete colormapModel;
        else
            colormapModel->deleteLater();
        QCursor::setPos(-100, -100);
        QImage image(slider.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        slider.render(&image);

        const QRect groove = slider.grooveRect();
        const int minCentre = slider.handleRectForValue(25).center().x();
        const int maxCentre = slider.handleRectForValue(74).center().x();
        const int y = minimumHeight ? groove.top() + minimumHeight - 3 : groove.center().y();
        const auto shade = [enabled](QColor c) { return enabled ? c : c.darker(200); };
        const QColor left = image.pixelColor((groove.left() + minCentre) / 2, y);
        const QColor right = image.pixelColor((maxCentre + groove.right()) / 2, y);
        // The handles, heightened with the groove under a larger minimum height.
        const QRect handleRect = slider.handleRectForValue(74);
        const QColor handle
            = image.pixelColor(handleRect.right() - 1, minimumHeight ? handleRect.top() + minimumHeight - 2 : y);
        QVERIFY2(near(handle, enabled ? QColor(200, 200, 200) : QColor(100, 100, 100)), qPrintable(handle.name()));
        const QColor inside = image.pixelColor((minCentre + maxCentre) / 2, y);
        const bool coloured = model == QLatin1String("gradient") || model == QLatin1String("discrete");
        QVERIFY2(coloured && !bound ? near(left, shade(red)) : chessboard(left, enabled), qPrintable(left.name()));
        const QColor last = model == QLatin1String("discrete") ? yellow : blue;
        QVERIFY2(coloured && !bound ? near(right, shade(last)) : chessboard(right, enabled), qPrintable(right.name()));
        if (!coloured) {
            QVERIFY2(chessboard(inside, enabled), qPrintable(inside.name()));
        } else if (model == QLatin1String("gradient")) {
            QVERIFY2(near(inside, shade(QColor(128, 0, 127))), qPrintable(inside.name()));
        } else {
            // Four equal sections cover the box from one handle centre to the other.
            for (int i = 0; i < 5; ++i) {
                const int x = i < 4 ? minCentre + 2 + (maxCentre - minCentre - 4) * i / 3 : maxCentre - 1;
                const QColor c = image.pixelColor(x, y);
                QVERIFY2(near(c, shade(QVector<QColor> {red, green, blue, yellow, yellow}.at(i))),
                         qPrintable(c.name()));
            }
        }
    }

    void propertiesAndDegenerateSizes()
    {
        ColormapModel model;
        model.setCurrentColormap(Nalu::Models::Colormaps::categorical10());
        for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(5, 3), QSize(30, 8)}) {
            for (int maximum : {0, 99}) {
                ColormapRangeSlider slider;
                QCOMPARE(slider.getBoundColormapToRange(), false);
                QCOMPARE(slider.getHistogramVisibility(), false);
                slider.setHistogramVisibility(true);
                QCOMPARE(slider.getHistogramVisibility(), true);
                slider.setRange(0, maximum);
                slider.setColormapModel(&model);
                slider.setMinimumHeight(size.height() + 10);
                slider.resize(size);
                QImage image(QSize(40, 40), QImage::Format_ARGB32);
                slider.render(&image);
                // The range slider's set-up ran once: its two pop-ups exist once.
                QCOMPARE(slider.findChildren<QWidget *>().size(), 6);
                QCOMPARE(slider.property("rangeSlider"), QVariant(true));
            }
        }
    }
};

QTEST_MAIN(TestColormapRangeSlider)
#include "tst_colormaprangeslider.moc"
