// SPDX-License-Identifier: MIT

#pragma once

// Internal: painting at the resolution of the device, whatever its pixel ratio.

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace Nalu {
namespace Components {
namespace Internal {

// Device pixels per pixel of what @p painter paints on. While a widget is rendered into an image or a
// pixmap (QWidget::render, QWidget::grab) painter->device() is the widget, and the device that counts is
// the engine's.
inline qreal deviceRatio(const QPainter *painter)
{
    const QPaintEngine *engine = painter->paintEngine();
    const QPaintDevice *device = engine && engine->paintDevice() ? engine->paintDevice() : painter->device();
    return device ? device->devicePixelRatioF() : 1.0;
}

// A chessboard of squares @p square pixels wide, first square @p first, at @p ratio device pixels per
// pixel: the texture holds one texel per device pixel and the brush scales it back, so the squares' edges
// fall on device pixels (a square is a whole number of them; at a ratio such as 1.25 it is rounded).
// @p size receives the width of the pattern in pixels, to centre it.
inline QBrush chessboardBrush(int square, const QColor &first, const QColor &second, qreal ratio, qreal *size)
{
    const int device = qMax(1, int(std::lround(square * ratio)));
    QImage texture(2 * device, 2 * device, QImage::Format_RGB32);
    texture.fill(second);
    for (int y = 0; y < 2 * device; ++y) {
        auto *line = reinterpret_cast<QRgb *>(texture.scanLine(y));
        for (int x = 0; x < 2 * device; ++x) {
            if ((x < device) == (y < device)) {
                line[x] = first.rgb();
            }
        }
    }
    QBrush brush(texture);
    brush.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    *size = 2 * device / ratio;
    return brush;
}

} // namespace Internal
} // namespace Components
} // namespace Nalu
