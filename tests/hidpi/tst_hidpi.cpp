// SPDX-License-Identifier: MIT
// High density: the painted pieces rendered into images of device pixel ratio 1.25, 1.5 and 2 are drawn at
// the device resolution, not scaled up from a low-resolution pixmap.
#include "TestSupport.h"

#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>

#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace Nalu::Components;

namespace {

// The widget rendered into an image of @p ratio device pixels per pixel, over `under`.
QImage renderedAt(QWidget &widget, qreal ratio, const QColor &under = Qt::white)
{
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(under);
    widget.render(&image);
    return image;
}

// The lengths of the runs of equal pixels along row @p y of @p image, from x = @p from to @p to (device
// pixels), without the first and the last run, which the range cuts.
QVector<int> innerRuns(const QImage &image, int y, int from, int to)
{
    QVector<int> runs;
    int start = from;
    for (int x = from + 1; x <= to; ++x) {
        if (x == to || image.pixel(x, y) != image.pixel(start, y)) {
            runs.append(x - start);
            start = x;
        }
    }
    return runs.mid(1, runs.size() - 2);
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chessboardsHaveSharpEvenSquares_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("square"); // the squares' side in pixels
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            QTest::addRow("colour button at %g", ratio) << "ColorButton" << ratio << 8;
            QTest::addRow("colormap groove at %g", ratio) << "ColormapRangeSlider" << ratio << 5;
        }
    }
    void chessboardsHaveSharpEvenSquares()
    {
        QFETCH(QString, component);
        QFETCH(qreal, ratio);
        QFETCH(int, square);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        std::unique_ptr<QWidget> widget;
        if (component == QLatin1String("ColorButton")) {
            auto *button = new ColorButton(QColor(0, 90, 255, 100), nullptr);
            button->setFlat(true);
            widget.reset(button);
            widget->resize(200, 44);
        } else {
            auto *slider = new ColormapRangeSlider;
            slider->setOrientation(Qt::Horizontal);
            slider->setMinimumHeight(20);
            widget.reset(slider);
            widget->resize(300, 40);
        }
        widget->setStyle(fusion.get());
        const QImage image = renderedAt(*widget, ratio);
        // Along the middle row, over the central 60 % of the pattern: squares of one size in device pixels,
        // each of one colour (an up-scaled pattern has runs of two sizes, or blurred pixels between them).
        const int y = image.height() / 2, from = image.width() / 5, to = image.width() - from;
        const QVector<int> runs = innerRuns(image, y, from, to);
        QVERIFY2(runs.size() >= 4, qPrintable(QString::number(runs.size())));
        const int expected = int(std::lround(square * ratio));
        QCOMPARE(runs, QVector<int>(runs.size(), expected));
    }

    // The groove's rounded end, left of the handles, is drawn at the device resolution: it differs from
    // the picture at ratio 1 scaled up, as a groove kept at ratio 1 would be.
    void sliderGroovesAtDeviceResolution_data()
    {
        QTest::addColumn<bool>("colormap");
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.25, 1.5, 2.0}) {
            QTest::addRow("range slider at %g", ratio) << false << ratio;
            QTest::addRow("colormap range slider at %g", ratio) << true << ratio;
        }
    }
    void sliderGroovesAtDeviceResolution()
    {
        QFETCH(bool, colormap);
        QFETCH(qreal, ratio);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const std::unique_ptr<RangeSlider> slider(colormap ? new ColormapRangeSlider : new RangeSlider);
        slider->setStyle(fusion.get());
        for (const char *name : {"BorderBrush", "BackgroundBrush", "RangeBrush", "DefaultBrush"}) {
            slider->setProperty(name, QBrush(QColor(40, 90, 200)));
        }
        slider->setProperty("CornerRadius", 4);
        slider->resize(300, 24);
        slider->setSliderRange(40, 71);
        const QRect end(0, 0, 60, 24); // left of the lower handle
        const QImage native = renderedAt(*slider, ratio);
        const QRect deviceEnd(QPoint(0, 0), (QSizeF(end.size()) * ratio).toSize());
        for (const Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
            const QImage upscaled
                = renderedAt(*slider, 1.0).copy(end).scaled(deviceEnd.size(), Qt::IgnoreAspectRatio, mode);
            QVERIFY(native.copy(deviceEnd) != upscaled.convertToFormat(native.format()));
        }
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
