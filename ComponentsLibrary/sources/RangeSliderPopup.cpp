// SPDX-License-Identifier: MIT

#include "RangeSliderPopup_p.h"

#include "Accessibility_p.h"
#include "DefaultText_p.h"
#include "RangeSlider_p.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

namespace Nalu {
namespace Components {

namespace {

constexpr int PopupHideDelayMs = 1000;
// Zone beside a handle, on its pop-up's side, that keeps a shown pop-up open while the
// pointer travels to it.
constexpr int PopupKeepOpenMargin = 10;

} // namespace

PopupWidget::PopupWidget(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setWindowFlag(Qt::ToolTip, true);
    setFixedWidth(style()->pixelMetric(QStyle::PM_ToolBarIconSize) + 3);
    hideTimer = new QTimer(this);
    hideTimer->setSingleShot(true);
    connect(hideTimer, &QTimer::timeout, this, &QWidget::hide);
    hide();
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
}

void PopupWidget::startHideTimer()
{
    const auto *spin = findChild<QAbstractSpinBox *>();
    if (!hideTimer->isActive() && !(spin && spin->hasFocus())) {
        hideTimer->start(PopupHideDelayMs);
    }
}

void PopupWidget::stopHideTimer()
{
    if (hideTimer->isActive()) {
        hideTimer->stop();
    }
}

void PopupWidget::enterEvent(Compat::EnterEvent *event)
{
    QWidget::enterEvent(event);
    stopHideTimer();
}

void PopupWidget::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    startHideTimer();
}

// The look of the window is the style sheet's.
void PopupWidget::paintEvent(QPaintEvent *event)
{
    event->ignore();
}

RangeSliderSpinBox::RangeSliderSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    lineEdit()->setAlignment(Qt::AlignHCenter);
}

void RangeSliderSpinBox::deselectText()
{
    lineEdit()->deselect();
}

void RangeSliderSpinBox::focusOutEvent(QFocusEvent *event)
{
    // Hide first: finishing the edit below may move the handle and its pop-up.
    if (parentWidget()) {
        parentWidget()->hide();
    }
    QAbstractSpinBox::focusOutEvent(event);
}

void RangeSliderPrivate::createPopups()
{
    const auto makePopup = [this](PopupWidget *&popup, RangeSliderSpinBox *&spinBox, const char *name) {
        popup = new PopupWidget(q);
        spinBox = new RangeSliderSpinBox(popup);
        QSpinBox *box = spinBox;
        Internal::keepTranslated(box, [box, name] { Accessibility::setDefaultName(box, RangeSlider::tr(name)); });
        QObject::connect(spinBox, &QAbstractSpinBox::editingFinished, q, &RangeSlider::onPopUpEdited);
        QObject::connect(q, &QAbstractSlider::rangeChanged, spinBox, &QSpinBox::setRange);
        popup->layout()->addWidget(spinBox);
        spinBox->setRange(q->minimum(), q->maximum());
    };
    makePopup(minPopup, minSpinBox, QT_TRANSLATE_NOOP("Nalu::Components::RangeSlider", "Minimum"));
    makePopup(maxPopup, maxSpinBox, QT_TRANSLATE_NOOP("Nalu::Components::RangeSlider", "Maximum"));
}

void RangeSliderPrivate::updatePopups(const QPoint &pos)
{
    // Showing a pop-up makes its window, and a platform may deliver queued pointer moves meanwhile (the offscreen one
    // does). Updating from there would show the same pop-up again while Qt is still making its window, and Qt would
    // make a second platform window for it and lose the first. The move after updates the pop-ups instead.
    if (updatingPopups) {
        return;
    }
    const QScopedValueRollback<bool> updating(updatingPopups, true);
    const QRect minRect = handleRect(minHandleValue);
    const QRect maxRect = handleRect(maxHandleValue);
    QRect bothRect;
    const RangeSlider::Handle handle = handleAtPos(pos, bothRect);
    bool showMin = false;
    bool showMax = false;
    if (handle == RangeSlider::NoHandle && pressedHandles == RangeSlider::NoHandle) {
        const bool inRange = QRectF(bothRect).adjusted(0, 0.5, -0.5, -0.5).contains(pos);
        showMin = showMax = inRange;
        const int m = PopupKeepOpenMargin;
        const bool below = popupsPosition == RangeSlider::Below;
        // On the outer side of each handle, where its pop-up hangs.
        const int top = below ? 0 : -m, bottom = below ? m : 0;
        const bool mirror = mirrored();
        const QRect minZone = mirror ? minRect.adjusted(0, top, m, bottom) : minRect.adjusted(-m, top, 0, bottom);
        const QRect maxZone = mirror ? maxRect.adjusted(-m, top, 0, bottom) : maxRect.adjusted(0, top, m, bottom);
        if (minPopup && minPopup->isVisible() && minZone.contains(pos) && !inRange) {
            showMin = true;
        }
        if (maxPopup && maxPopup->isVisible() && maxZone.contains(pos) && !inRange) {
            showMax = true;
        }
    } else {
        showMin = handle == RangeSlider::MinimumHandle || q->isMinimumHandleDown();
        showMax = handle == RangeSlider::MaximumHandle || q->isMaximumHandleDown();
    }

    if (!minPopup) {
        // None made yet, so none to hide: they are made when one is to show.
        if (!canShowInputPopups || !(showMin || showMax)) {
            return;
        }
        createPopups();
    }
    const int extra = q->minimumHeight() > q->style()->pixelMetric(QStyle::PM_SliderControlThickness) ? 4 : 0;
    const auto apply = [this, extra](RangeSlider::Handle which, bool show) {
        const bool minimum = which == RangeSlider::MinimumHandle;
        PopupWidget *popup = minimum ? minPopup : maxPopup;
        RangeSliderSpinBox *spin = minimum ? minSpinBox : maxSpinBox;
        if (show && canShowInputPopups) {
            spin->setValue(minimum ? minHandleValue : maxHandleValue);
            popup->stopHideTimer();
            placePopup(which, extra);
            popup->show();
        } else if (!spin->hasFocus()) {
            popup->hide();
        }
    };
    apply(RangeSlider::MinimumHandle, showMin);
    apply(RangeSlider::MaximumHandle, showMax);
}

void RangeSliderPrivate::placePopup(RangeSlider::Handle handle, int extra)
{
    const bool minimum = handle == RangeSlider::MinimumHandle;
    PopupWidget *popup = minimum ? minPopup : maxPopup;
    const QRect rect = handleRect(minimum ? minHandleValue : maxHandleValue);
    // Each pop-up hangs outwards from its handle's centre: the minimum one to the left of it, the maximum
    // one to the right, or the other way round when mirrored.
    const bool hangLeft = minimum != mirrored();
    const int x = hangLeft ? static_cast<int>((rect.right() - popup->width()) - rect.width() / 2.0)
                           : static_cast<int>(rect.left() + rect.width() / 2.0);
    const int y = popupsPosition == RangeSlider::Below ? q->height() + extra - 1 : 2 - q->height() - extra;
    popup->move(q->mapToGlobal(QPoint(x, y)));
}

void RangeSliderPrivate::startPopupHideTimers()
{
    if (!minPopup) {
        return;
    }
    if (maxPopup->isVisible()) {
        maxPopup->startHideTimer();
    }
    if (minPopup->isVisible()) {
        minPopup->startHideTimer();
    }
}

void RangeSliderPrivate::applyPopupEdit(QSpinBox *spin)
{
    if (spin && spin == minSpinBox) {
        q->setMinHandleValue(spin->value());
        placePopup(RangeSlider::MinimumHandle, 0);
        minSpinBox->deselectText();
    } else if (spin && spin == maxSpinBox) {
        q->setMaxHandleValue(spin->value());
        placePopup(RangeSlider::MaximumHandle, 0);
        maxSpinBox->deselectText();
    }
    closeKeyboardPopup(spin);
}

} // namespace Components
} // namespace Nalu
