// SPDX-License-Identifier: MIT

#include "GalleryPage.h"
#include "GalleryWindow.h"

#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsTheme/Theme.h>

#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

#include "TestSupport.h"

using Nalu::Theme::Variant;
namespace Theme = Nalu::Theme;
namespace Components = Nalu::Components;

Q_DECLARE_METATYPE(Nalu::Theme::Variant)

namespace {

// The first visible, enabled widget of type T on the page that `accept` takes.
template<typename T, typename Accept>
T *findOn(QWidget *page, Accept accept)
{
    return TestSupport::childWhere<T>(page, [&](T *w) { return w->isVisible() && w->isEnabled() && accept(w); });
}

} // namespace

class tst_GalleryTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPageShowsThemedWidgets_data()
    {
        QTest::addColumn<Variant>("variant");
        QTest::newRow("light") << Variant::Light;
        QTest::newRow("dark") << Variant::Dark;
    }
    void everyPageShowsThemedWidgets()
    {
        QFETCH(Variant, variant);
        const auto color = [variant](const char *name) { return Theme::color(variant, QLatin1String(name)); };
        Nalu::Gallery::GalleryWindow window(variant);
        window.resize(1100, 800);
        QVERIFY(TestSupport::showExposed(window));
        int themedPixels = 0, colormapSliders = 0;
        for (int index = 0; index < window.pageCount(); ++index) {
            window.setCurrentPage(index);
            QCoreApplication::processEvents();
            // The whole content, also what lies below the fold.
            QWidget *page = window.page(index)->widget();
            const QImage image = page->grab().toImage();
            const QRect area = image.rect();
            // Not blank: a good share of the page differs from the window colour.
            int inked = 0;
            for (int y = area.top(); y <= area.bottom(); y += 2) {
                for (int x = area.left(); x <= area.right(); x += 2) {
                    inked += image.pixelColor(x, y) != color("Window");
                }
            }
            QVERIFY2(inked * 4 > area.width() * area.height() / 100, qPrintable(QString::number(index)));
            const auto pixelAt
                = [&](const QWidget *widget, QPoint point) { return image.pixelColor(widget->mapTo(page, point)); };
            if (auto *primary = findOn<Components::ButtonPrimary>(page, [](auto *b) { return !b->isOutline(); })) {
                QCOMPARE(pixelAt(primary, QPoint(4, primary->height() / 2)), color("Accent"));
                ++themedPixels;
            }
            if (auto *card = findOn<Components::CardWidget>(page, [](auto *c) { return c->isChecked(); })) {
                // The highlight ring along the card's top edge.
                QCOMPARE(pixelAt(card, QPoint(card->width() / 2, 1)), color("Accent"));
                ++themedPixels;
            }
            if (auto *slider = findOn<Components::RangeSlider>(
                    page, [](auto *s) { return s->metaObject() == &Components::RangeSlider::staticMetaObject; })) {
                // The range bar under the range's translucent cover (the handles' default brush at 40%).
                const QColor expected = TestSupport::mixed(color("Accent"), color("RangeHandle"), 0.4);
                const int middle = (slider->getMinHandleValue() + slider->getMaxHandleValue()) / 2;
                const int x
                    = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), middle, slider->width());
                bool found = false;
                for (int y = 0; y < slider->height() && !found; ++y) {
                    found = TestSupport::colourMismatch(pixelAt(slider, QPoint(x, y)), expected, 2).isEmpty();
                }
                QVERIFY2(found, qPrintable(expected.name()));
                ++themedPixels;
            }
            // A colormap slider paints its groove at least its minimum height tall, down from the groove's top:
            // under the theme's minimum height for range sliders, all of it must still show.
            for (const auto *slider : page->findChildren<Components::ColormapRangeSlider *>()) {
                QStyleOptionSlider option;
                option.initFrom(slider);
                option.orientation = slider->orientation();
                option.tickPosition = slider->tickPosition();
                option.minimum = slider->minimum();
                option.maximum = slider->maximum();
                const QRect groove
                    = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
                QVERIFY(slider->minimumHeight() > 0);
                QVERIFY(groove.top() >= 0);
                QVERIFY(groove.top() + std::max(groove.height(), slider->minimumHeight()) <= slider->height());
                ++colormapSliders;
            }
        }
        // A primary button, a checked card and a range slider were all found and checked.
        QCOMPARE(themedPixels, 3);
        QVERIFY(colormapSliders >= 2);
    }
};

QTEST_MAIN(tst_GalleryTheme)
#include "tst_gallerytheme.moc"
