// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/RangeSlider.h>

#include "RangeSlider_p.h"

#include <QMetaEnum>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QStylePainter>

#include <algorithm>

namespace Nalu {
namespace Components {

RangeSlider::RangeSlider(QWidget *parent)
    : QSlider(parent)
    , d(std::make_unique<RangeSliderPrivate>(this))
{
    d->pressedHandles = NoHandle;
    RangeSlider::init();
}

RangeSlider::~RangeSlider() = default;

void RangeSlider::init()
{
    setOrientation(Qt::Horizontal);
    setMouseTracking(true);
    setProperty("rangeSlider", true);

    d->canShowInputPopups = true;
    d->popupsPosition = Below;
    d->minHandleValue = 0;
    d->maxHandleValue = 99;
    d->pressedHandles = NoHandle;
    d->dragOffset = 0;
    d->pressX = 0;
    d->pressValue = 0;
    d->lowerHalf = 0;
    d->upperHalf = 0;

    d->createPopups();
    connect(this, &QAbstractSlider::rangeChanged, this, &RangeSlider::onRangeChanged);
}

int RangeSlider::getMinHandleValue() const
{
    return d->minHandleValue;
}

int RangeSlider::getMaxHandleValue() const
{
    return d->maxHandleValue;
}

bool RangeSlider::getCanShowInputPopups() const
{
    return d->canShowInputPopups;
}

RangeSlider::PopupsPosition RangeSlider::getPopupPosition() const
{
    return d->popupsPosition;
}

bool RangeSlider::isMinimumHandleDown() const
{
    return d->pressedHandles.testFlag(MinimumHandle);
}

bool RangeSlider::isMaximumHandleDown() const
{
    return d->pressedHandles.testFlag(MaximumHandle);
}

void RangeSlider::setMinHandleValue(int value)
{
    setSliderRange(value, std::max(d->maxHandleValue, value));
}

void RangeSlider::setMaxHandleValue(int value)
{
    setSliderRange(std::min(d->minHandleValue, value), value);
}

void RangeSlider::setSliderRange(int minValue, int maxValue)
{
    const int newMin = qBound(minimum(), std::min(minValue, maxValue), maximum());
    const int newMax = qBound(minimum(), std::max(minValue, maxValue), maximum());
    const bool minChanged = newMin != d->minHandleValue;
    const bool maxChanged = newMax != d->maxHandleValue;
    d->minHandleValue = newMin;
    d->maxHandleValue = newMax;
    if (!minChanged && !maxChanged) {
        return;
    }
    Q_EMIT sliderRangeChanged(d->minHandleValue, d->maxHandleValue);
    if (minChanged) {
        Q_EMIT minHandleValueChanged(d->minHandleValue);
    }
    if (maxChanged) {
        Q_EMIT maxHandleValueChanged(d->maxHandleValue);
    }
    update();
}

void RangeSlider::setCanShowInputPopups(bool canShowInputPopups)
{
    d->canShowInputPopups = canShowInputPopups;
}

void RangeSlider::setPopupPosition(PopupsPosition popupsPosition)
{
    const QMetaEnum positions = QMetaEnum::fromType<PopupsPosition>();
    if (!positions.valueToKey(popupsPosition)) {
        qWarning("Nalu::Components::RangeSlider::setPopupPosition: %d is not a PopupsPosition, the position stays %s",
                 int(popupsPosition), positions.valueToKey(d->popupsPosition));
        return;
    }
    d->popupsPosition = popupsPosition;
}

QSize RangeSlider::minimumSizeHint() const
{
    QSize hint = QSlider::minimumSizeHint();
    if (hint.height() % 2 != 0) {
        hint.rheight() += 1;
    }
    return hint;
}

void RangeSlider::onRangeChanged(int minValue, int maxValue)
{
    Q_UNUSED(minValue)
    Q_UNUSED(maxValue)
    setSliderRange(d->minHandleValue, d->maxHandleValue);
}

void RangeSlider::onPopUpEdited()
{
    d->applyPopupEdit(qobject_cast<QSpinBox *>(sender()));
}

void RangeSlider::mousePressEvent(QMouseEvent *event)
{
    if (minimum() == maximum() || (event->buttons() ^ event->button()) != Qt::NoButton) {
        event->ignore();
        return;
    }
    QRect handleRect;
    const Handle handle = d->handleAtPos(event->pos(), handleRect);
    if (handle != NoHandle) {
        d->pressValue = handle == MinimumHandle ? d->minHandleValue : d->maxHandleValue;
        d->dragOffset = event->pos().x() - handleRect.left();
        d->pressX = event->pos().x();
        setSliderDown(true);
        if (d->pressedHandles != Handles(handle)) {
            d->pressedHandles = handle;
            update(handleRect);
        }
        event->accept();
        return;
    }

    // The style would answer SC_SliderHandle where the base slider's own handle sits, though this widget
    // neither paints nor moves that handle: a press there between the handles would be lost. So the style
    // is asked with the minimum handle in its place, which the press is known to miss: any press strictly
    // between the handles that the style counts as on the groove starts a range drag.
    QStyleOptionSlider option = d->styleOption();
    option.sliderPosition = d->minHandleValue;
    option.sliderValue = d->minHandleValue;
    const QStyle::SubControl hit = style()->hitTestComplexControl(QStyle::CC_Slider, &option, event->pos(), this);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const int x = event->pos().x();
    if (hit == QStyle::SC_SliderGroove && handleRect.left() < x && x < handleRect.right()) {
        // The centre, truncated toward zero, lies between the two ints and so is one; the sum is not.
        const qint64 centre = (qint64(d->minHandleValue) + d->maxHandleValue) / 2;
        d->pressValue = static_cast<int>(centre);
        d->dragOffset = x - d->pixelFromRangeValue(d->pressValue);
        d->pressX = x;
        d->lowerHalf = centre - d->minHandleValue;
        d->upperHalf = d->maxHandleValue - centre;
        setSliderDown(true);
        const Handles both = Handles(MinimumHandle) | MaximumHandle;
        if (d->pressedHandles != both) {
            d->pressedHandles = both;
            update(handleRect.united(groove));
        }
        event->accept();
        return;
    }
    // No paging on the groove: the press belongs to the parent.
    event->ignore();
}

void RangeSlider::mouseMoveEvent(QMouseEvent *event)
{
    d->updatePopups(event->pos());
    if (d->pressedHandles == NoHandle) {
        update();
        event->ignore();
        return;
    }

    // A pixel can stand for many values: back at the press point, the value is the pressed one, not the
    // first value of that pixel.
    const int x = event->pos().x();
    const int newPosition = x == d->pressX ? d->pressValue : d->pixelToRangeValue(x - d->dragOffset);
    if (d->pressedHandles == MinimumHandle) {
        setSliderRange(std::min(newPosition, d->maxHandleValue), d->maxHandleValue);
    } else if (d->pressedHandles == MaximumHandle) {
        setSliderRange(d->minHandleValue, std::max(d->minHandleValue, newPosition));
    } else {
        // In 64 bits: far from zero, the ends and the width of the range leave the range of int.
        const qint64 width = qint64(d->maxHandleValue) - d->minHandleValue;
        qint64 newMin = newPosition - d->lowerHalf;
        qint64 newMax = newPosition + d->upperHalf;
        if (newMax > maximum()) {
            newMax = maximum();
            newMin = newMax - width;
        } else if (newMin < minimum()) {
            newMin = minimum();
            newMax = newMin + width;
        }
        // The handles lie within the bounds, so a range of their width fits between them: both ends are ints.
        if (newMax - newMin == width && newMin >= minimum() && newMax <= maximum()) {
            setSliderRange(static_cast<int>(newMin), static_cast<int>(newMax));
        }
    }
    event->accept();
}

void RangeSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    setSliderDown(false);
    d->pressedHandles = NoHandle;
    update();
}

void RangeSlider::leaveEvent(QEvent *event)
{
    QSlider::leaveEvent(event);
    d->startPopupHideTimers();
}

void RangeSlider::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    if (size().isEmpty()) {
        return;
    }
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    d->paint(&painter, *d);
}

void RangeSlider::drawHandle(QStylePainter *painter, QRect rect, Handle handle, bool down, bool hovered) const
{
    d->drawHandle(painter, rect, handle, down, hovered);
}

} // namespace Components
} // namespace Nalu
