// SPDX-License-Identifier: MIT

// The keyboard side of the range slider: the current handle, the keys that move it, its focus frame
// and the value pop-up opened to type into.

#include "Accessibility_p.h"
#include "RangeSliderPopup_p.h"
#include "RangeSlider_p.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include <algorithm>

namespace Nalu {
namespace Components {

namespace {

// The accessible child of a handle: the minimum handle first.
int childIndex(RangeSlider::Handle handle)
{
    return handle == RangeSlider::MaximumHandle ? 1 : 0;
}

} // namespace

bool RangeSliderPrivate::keyPress(QKeyEvent *event)
{
    if (!keyboardHandles) {
        return false;
    }
    const bool minimum = currentHandle != RangeSlider::MaximumHandle;
    const qint64 value = minimum ? minHandleValue : maxHandleValue;
    const qint64 single = q->singleStep();
    const qint64 page = q->pageStep();
    // The directions QAbstractSlider gives the keys: Up adds unless the controls are inverted, Left
    // subtracts unless the layout runs right to left or (not both) the controls are inverted.
    const qint64 up = q->invertedControls() ? -1 : 1;
    const qint64 left = q->isRightToLeft() != q->invertedControls() ? 1 : -1;
    qint64 target = value;
    switch (event->key()) {
    case Qt::Key_Left:
        target = value + left * single;
        break;
    case Qt::Key_Right:
        target = value - left * single;
        break;
    case Qt::Key_Up:
        target = value + up * single;
        break;
    case Qt::Key_Down:
        target = value - up * single;
        break;
    case Qt::Key_PageUp:
        target = value + up * page;
        break;
    case Qt::Key_PageDown:
        target = value - up * page;
        break;
    case Qt::Key_Home:
        target = q->minimum();
        break;
    case Qt::Key_End:
        target = q->maximum();
        break;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (!canShowInputPopups) {
            return false;
        }
        openKeyboardPopup();
        event->accept();
        return true;
    default:
        return false;
    }
    moveHandle(currentHandle, static_cast<int>(std::clamp<qint64>(target, q->minimum(), q->maximum())));
    event->accept();
    return true;
}

void RangeSliderPrivate::moveHandle(RangeSlider::Handle handle, int value)
{
    if (handle == RangeSlider::NoHandle) {
        return;
    }
    // The rules of a drag: a handle stops at the other one.
    const bool minimum = handle == RangeSlider::MinimumHandle;
    const int newMin = qBound(q->minimum(), minimum ? std::min(value, maxHandleValue) : minHandleValue, q->maximum());
    const int newMax = qBound(q->minimum(), minimum ? maxHandleValue : std::max(minHandleValue, value), q->maximum());
    if (newMin == minHandleValue && newMax == maxHandleValue) {
        return;
    }
    // Held for the length of the step, so that the slider's signals are those of a drag by one step.
    pressedHandles = handle;
    q->setSliderDown(true);
    q->setSliderRange(newMin, newMax);
    pressedHandles = RangeSlider::NoHandle;
    q->setSliderDown(false);
    q->update();
}

bool RangeSliderPrivate::focusNextPrev(bool next)
{
    if (!keyboardHandles || !q->hasFocus()) {
        return false;
    }
    if (next && currentHandle == RangeSlider::MinimumHandle) {
        setCurrentHandle(RangeSlider::MaximumHandle);
        return true;
    }
    if (!next && currentHandle == RangeSlider::MaximumHandle) {
        setCurrentHandle(RangeSlider::MinimumHandle);
        return true;
    }
    return false;
}

void RangeSliderPrivate::focusIn(Qt::FocusReason reason)
{
    if (!keyboardHandles) {
        return;
    }
    // Coming with Tab the first handle is the minimum one, coming back with Shift+Tab the maximum one.
    if (reason == Qt::TabFocusReason) {
        currentHandle = RangeSlider::MinimumHandle;
    } else if (reason == Qt::BacktabFocusReason) {
        currentHandle = RangeSlider::MaximumHandle;
    }
    q->update();
    Accessibility::notify(q, QAccessible::Focus, childIndex(currentHandle));
}

void RangeSliderPrivate::setCurrentHandle(RangeSlider::Handle handle)
{
    if (handle == RangeSlider::NoHandle || currentHandle == handle) {
        return;
    }
    currentHandle = handle;
    if (keyboardHandles && q->hasFocus()) {
        q->update();
        Accessibility::notify(q, QAccessible::Focus, childIndex(handle));
    }
}

void RangeSliderPrivate::paintFocus(QPainter *painter, const RangeSliderParts &parts)
{
    if (!keyboardHandles || !q->hasFocus() || !painter) {
        return;
    }
    QStyleOptionFocusRect option;
    option.initFrom(q);
    option.rect = currentHandle == RangeSlider::MaximumHandle ? parts.maxHandle : parts.minHandle;
    option.backgroundColor = q->palette().color(QPalette::Window);
    painter->save();
    q->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, painter, q);
    painter->restore();
}

void RangeSliderPrivate::openKeyboardPopup()
{
    ensurePopups();
    const bool minimum = currentHandle != RangeSlider::MaximumHandle;
    PopupWidget *popup = minimum ? minPopup : maxPopup;
    RangeSliderSpinBox *spin = minimum ? minSpinBox : maxSpinBox;
    PopupWidget *other = minimum ? maxPopup : minPopup;
    other->hide();
    popup->hide();
    // A pop-up window takes the keyboard, closes on a click elsewhere and gives the focus back to the
    // slider when it closes; the pointer's tool-tip window can do none of that.
    popup->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    popup->installEventFilter(this);
    spin->installEventFilter(this);
    keyboardPopup = currentHandle;
    spin->setValue(minimum ? minHandleValue : maxHandleValue);
    popup->stopHideTimer();
    placePopup(currentHandle, 0);
    popup->show();
    spin->setFocus(Qt::PopupFocusReason);
    spin->selectAll();
}

void RangeSliderPrivate::closeKeyboardPopup(QSpinBox *spin)
{
    if (keyboardPopup == RangeSlider::NoHandle) {
        return;
    }
    const bool minimum = keyboardPopup == RangeSlider::MinimumHandle;
    if (spin == (minimum ? static_cast<QSpinBox *>(minSpinBox) : maxSpinBox)) {
        (minimum ? minPopup : maxPopup)->hide();
    }
}

bool RangeSliderPrivate::keyboardPopupFilter(QObject *watched, QEvent *event)
{
    if (keyboardPopup == RangeSlider::NoHandle) {
        return false;
    }
    const bool minimum = keyboardPopup == RangeSlider::MinimumHandle;
    PopupWidget *popup = minimum ? minPopup : maxPopup;
    RangeSliderSpinBox *spin = minimum ? minSpinBox : maxSpinBox;
    if (watched == spin && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            // Escape cancels: the edit that closing the pop-up finishes sets the value the handle has.
            spin->setValue(minimum ? minHandleValue : maxHandleValue);
            popup->hide();
        }
        return true;
    }
    if (watched == popup && event->type() == QEvent::Hide) {
        keyboardPopup = RangeSlider::NoHandle;
        // Back to the tool-tip window of the pointer once the pop-up window is gone.
        QTimer::singleShot(0, popup, [popup] {
            if (!popup->isVisible()) {
                popup->setWindowFlags(Qt::ToolTip);
            }
        });
    }
    return false;
}

void RangeSliderPrivate::announceValues(bool minChanged, bool maxChanged)
{
    if (minChanged) {
        Accessibility::notifyValue(q, minHandleValue, 0);
    }
    if (maxChanged) {
        Accessibility::notifyValue(q, maxHandleValue, 1);
    }
}

} // namespace Components
} // namespace Nalu
