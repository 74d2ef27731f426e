// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/RoundedPixmap.h>

#include "Accessibility_p.h"

#include <QAccessibleWidget>

#include <QPainter>
#include <QVariant>

#include <cmath>

namespace Nalu {
namespace Components {

class RoundedPixmapPrivate
{
public:
    QPixmap pixmap;
    Nalu::Helpers::StraightCornerFlags straightCornerFlags;
};

RoundedPixmap::RoundedPixmap(QWidget *parent)
    : RoundedPixmap(QPixmap(), parent)
{
}

RoundedPixmap::RoundedPixmap(const QPixmap &pixmap, QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<RoundedPixmapPrivate>())
{
    d->pixmap = pixmap;
}

RoundedPixmap::~RoundedPixmap() = default;

const QPixmap *RoundedPixmap::getPixmap() const
{
    return &d->pixmap;
}

QPixmap RoundedPixmap::roundedPixmap() const
{
    return d->pixmap;
}

void RoundedPixmap::setPixmap(const QPixmap &pixmap)
{
    d->pixmap = pixmap;
    update();
    Q_EMIT pixmapChanged(pixmap);
}

Nalu::Helpers::StraightCornerFlags RoundedPixmap::getStraightCornerFlags() const
{
    return d->straightCornerFlags;
}

void RoundedPixmap::setStraightCornerFlags(Nalu::Helpers::StraightCornerFlags flags)
{
    d->straightCornerFlags = flags;
    update();
}

QSize RoundedPixmap::sizeHint() const
{
    QSize hint = QWidget::sizeHint();
    const qreal ratio = d->pixmap.devicePixelRatio();
    hint.setWidth(int(std::trunc(d->pixmap.width() / ratio)));
    hint.setHeight(int(std::trunc(d->pixmap.height() / ratio)));
    return hint;
}

void RoundedPixmap::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int radius = property("CornerRadius").toInt();
    // Half a pixel outwards so that the 1-pixel outline falls on the widget's edge pixels.
    const QRectF shape = QRectF(rect()).adjusted(-0.5, -0.5, 0.5, 0.5);

    // A null texture would fill black; without an image only the outline is drawn.
    painter.setBrush(d->pixmap.isNull() ? QBrush() : QBrush(d->pixmap));
    painter.setPen(Qt::NoPen);
    if (!isEnabled()) {
        painter.setOpacity(0.6);
    }
    Nalu::Helpers::drawRoundedRectShape(shape, radius, d->straightCornerFlags, &painter);
    painter.setOpacity(1.0);

    QPen pen(property("BorderBrush").value<QBrush>().color(), 1);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    Nalu::Helpers::drawRoundedRectShape(shape, radius, d->straightCornerFlags, &painter);
}

namespace {

// An image.
QAccessibleInterface *makeGraphic(QObject *object)
{
    return object->isWidgetType() ? new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic)
                                  : nullptr;
}

[[maybe_unused]] const bool pixmapInterface
    = Accessibility::registerInterface("Nalu::Components::RoundedPixmap", makeGraphic);

} // namespace

} // namespace Components
} // namespace Nalu
