// SPDX-License-Identifier: MIT

// Paint cost of the range sliders next to a plain QSlider of the same size, the cost of making
// one and painting it the first time, and the cost of one hover move over a handle (pop-up
// placement included).
#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>

#include <QImage>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using namespace Nalu::Components;

namespace {

const QSize SliderSize(400, 24);

void theme(QWidget *slider)
{
    for (const char *name :
         {"BorderBrush", "BackgroundBrush", "RangeBrush", "SunkenBrush", "HoverBrush", "DefaultBrush"})
        slider->setProperty(name, QBrush(QColor(40, 90, 200)));
    slider->setProperty("CornerRadius", 4);
}

} // namespace

class BenchSliders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        style.reset(QStyleFactory::create(QStringLiteral("Fusion")));
        model.setCurrentColormap(Nalu::Models::Colormaps::viridisLike());
    }

    void paint_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("changing"); // a new value at every paint: no picture can be reused
        QTest::addColumn<qreal>("ratio"); // device pixels per pixel of the image painted into
        for (const qreal ratio : {1.0, 2.0}) {
            for (bool changing : {false, true}) {
                const QByteArray suffix = QByteArray(changing ? ", value changed" : "")
                    + (ratio == 1.0 ? QByteArray() : ", ratio " + QByteArray::number(ratio));
                QTest::addRow("QSlider%s", suffix.constData()) << 0 << changing << ratio;
                QTest::addRow("RangeSlider%s", suffix.constData()) << 1 << changing << ratio;
                QTest::addRow("ColormapRangeSlider gradient%s", suffix.constData()) << 2 << changing << ratio;
            }
        }
    }
    void paint()
    {
        QFETCH(int, kind);
        QFETCH(bool, changing);
        QFETCH(qreal, ratio);
        const std::unique_ptr<QSlider> slider = makeSlider(kind);
        auto *range = qobject_cast<RangeSlider *>(slider.get());
        int step = 0;
        // Every row shows the same values; a changing row moves its (lower) handle by one value
        // before each paint, never back to a value painted just before.
        const auto change = [&] {
            ++step;
            if (range)
                range->setSliderRange(20 + step % 20, 70);
            else
                slider->setValue(20 + step % 20);
        };
        change();
        QImage image(SliderSize * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        // Warm-up: what depends only on size, style and theme is built once, as in a slider in use.
        slider->render(&image);
        if (changing) {
            change();
            slider->render(&image);
        }
        QBENCHMARK
        {
            if (changing)
                change();
            slider->render(&image);
        }
    }

    void createAndPaint_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("QSlider") << 0;
        QTest::newRow("RangeSlider") << 1;
        QTest::newRow("ColormapRangeSlider gradient") << 2;
    }
    // A new slider, polished and painted once: what a form with many of them pays for each.
    void createAndPaint()
    {
        QFETCH(int, kind);
        QImage image(SliderSize, QImage::Format_ARGB32_Premultiplied);
        const auto createAndRender = [&] { makeSlider(kind)->render(&image); };
        // Warm-up: the style's and the painter's one-time caches are not the slider's own.
        createAndRender();
        QBENCHMARK
        {
            createAndRender();
        }
    }

    void hoverMove()
    {
        RangeSlider slider;
        slider.setStyle(style.get());
        slider.setGeometry(QRect(QPoint(50, 50), SliderSize));
        slider.setSliderRange(30, 60);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        const QPoint pos(slider.width() * 30 / 100, slider.height() / 2);
        bool flip = false;
        // Warm-up: the first move opens the pop-up window; the measured ones move it along.
        QMouseEvent first(QEvent::MouseMove, pos, slider.mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &first);
        QBENCHMARK
        {
            // Alternate between two points over the minimum handle so each move does real work.
            const QPoint p = pos + QPoint(flip ? 1 : 0, 0);
            flip = !flip;
            QMouseEvent event(QEvent::MouseMove, p, slider.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&slider, &event);
        }
    }

private:
    // kind 0: QSlider, 1: RangeSlider, 2: ColormapRangeSlider; themed, at the benchmarks' size.
    std::unique_ptr<QSlider> makeSlider(int kind)
    {
        std::unique_ptr<QSlider> slider;
        if (kind == 0) {
            slider = std::make_unique<QSlider>(Qt::Horizontal);
        } else if (kind == 1) {
            slider = std::make_unique<RangeSlider>();
        } else {
            auto colormap = std::make_unique<ColormapRangeSlider>();
            colormap->setColormapModel(&model);
            slider = std::move(colormap);
        }
        slider->setStyle(style.get());
        theme(slider.get());
        slider->resize(SliderSize);
        return slider;
    }

    std::unique_ptr<QStyle> style;
    Nalu::Models::ColormapModel model;
};

QTEST_MAIN(BenchSliders)
#include "bench_sliders.moc"
