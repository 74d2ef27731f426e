// SPDX-License-Identifier: MIT

#pragma once

// Internal: painting at the resolution of the device, whatever its pixel ratio.

#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTransform>

#include <cmath>
#include <functional>

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

// @p icon drawn @p side pixels square at @p ratio device pixels per pixel: a scalable icon is rendered at
// the device size instead of being scaled up.
inline QPixmap iconPixmap(const QIcon &icon, int side, qreal ratio)
{
    const int device = qMax(1, int(std::lround(side * ratio)));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QPixmap pixmap = icon.pixmap(QSize(device, device), 1.0);
#else
    QPixmap pixmap = icon.pixmap(QSize(device, device));
#endif
    // An application that asks for high-resolution icons gets them already scaled by its own ratio.
    pixmap.setDevicePixelRatio(qreal(device) / side * pixmap.devicePixelRatioF());
    return pixmap;
}

// Keeps a label's pixmap drawn for the device the label is painted on. The label shows the pixmap made at
// its own ratio, made again when that changes (another screen). Painted into a device of another ratio
// (QWidget::render into an image), the label is drawn here from a pixmap made for that ratio: QLabel
// would scale its own.
class DevicePixmapLabel : public QObject
{
public:
    using Make = std::function<QPixmap(qreal ratio)>;

    explicit DevicePixmapLabel(QLabel *label)
        : QObject(label)
        , label(label)
    {
        label->installEventFilter(this);
    }

    // Sets the label's pixmap, made by @p make.
    void setPixmap(Make make)
    {
        this->make = std::move(make);
        other = QPixmap();
        ratio = label->devicePixelRatioF();
        label->setPixmap(this->make(ratio));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != label || event->type() != QEvent::Paint || !make) {
            return QObject::eventFilter(watched, event);
        }
        const qreal own = label->devicePixelRatioF();
        if (!qFuzzyCompare(own, ratio)) {
            ratio = own;
            label->setPixmap(make(ratio));
        }
        QPainter painter(label);
        const qreal target = deviceRatio(&painter);
        if (qFuzzyCompare(target, own)) {
            return false;
        }
        if (other.isNull() || !qFuzzyCompare(otherRatio, target)) {
            otherRatio = target;
            other = make(target);
        }
        QStyleOption option;
        option.initFrom(label);
        label->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, label);
        label->style()->drawItemPixmap(&painter, label->contentsRect(),
                                       QStyle::visualAlignment(label->layoutDirection(), label->alignment()), other);
        return true;
    }

private:
    QLabel *const label;
    Make make;
    qreal ratio = 1.0;
    QPixmap other; // made for the last device of another ratio
    qreal otherRatio = 1.0;
};

} // namespace Internal
} // namespace Components
} // namespace Nalu
