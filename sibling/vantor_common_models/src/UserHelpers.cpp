// SPDX-License-Identifier: MIT

#include <vantor_common_models/UserHelpers.h>

#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace Nalu {
namespace Models {

namespace {

// Draws the silhouette as vector shapes at whatever size is asked for. Holding no pixmap
// matters: the shared icon is a function-local static that is destroyed after the
// application object, when pixmaps may no longer be released safely.
class DefaultAvatarIconEngine final : public QIconEngine
{
public:
    DefaultAvatarIconEngine() = default;

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(state)
        if (!painter || rect.isEmpty()) {
            return;
        }
        // Largest centred square inside rect, so the circle stays round.
        const qreal side = std::min(rect.width(), rect.height());
        const QRectF square(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0, side,
                            side);

        QPainterPath circle;
        circle.addEllipse(square);

        QPainterPath head;
        const qreal headRadius = side * 0.19;
        head.addEllipse(QPointF(square.center().x(), square.top() + side * 0.39), headRadius, headRadius);

        // Shoulders: a wide ellipse whose upper half shows, cut by the outer circle.
        QPainterPath shoulders;
        shoulders.addEllipse(QPointF(square.center().x(), square.top() + side * 0.98), side * 0.34, side * 0.34);
        shoulders = shoulders.intersected(circle);

        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(Qt::NoPen);
        if (mode == QIcon::Disabled) {
            painter->setOpacity(painter->opacity() * 0.4);
        }
        painter->setBrush(mode == QIcon::Selected ? QColor(0x9c, 0xb4, 0xcc) : QColor(0xc4, 0xcd, 0xd6));
        painter->drawPath(circle);
        painter->setBrush(QColor(0x6b, 0x77, 0x85));
        painter->drawPath(head);
        painter->drawPath(shoulders);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (size.isEmpty()) {
            return QPixmap();
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        return QPixmap::fromImage(std::move(image));
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(mode)
        Q_UNUSED(state)
        return size;
    }

    QIconEngine *clone() const override { return new DefaultAvatarIconEngine; }

    QString key() const override { return QStringLiteral("NaluDefaultAvatar"); }
};

} // namespace

const QIcon &UserHelpers::getDefaultAvatar()
{
    // QIcon takes ownership of the engine.
    static const QIcon avatar(new DefaultAvatarIconEngine);
    return avatar;
}

} // namespace Models
} // namespace Nalu
