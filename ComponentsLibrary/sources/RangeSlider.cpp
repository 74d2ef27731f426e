// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/RangeSlider.h>

#include <ComponentsLibrary/ColormapRangeSlider.h>

#include "Accessibility_p.h"
#include "RangeSlider_p.h"

#include <QFocusEvent>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPointer>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QWindow>

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
    d->announceValues(minChanged, maxChanged);
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

bool RangeSlider::hasKeyboardHandles() const
{
    return d->keyboardHandles;
}

RangeSlider::Handle RangeSlider::getCurrentHandle() const
{
    return d->currentHandle;
}

void RangeSlider::setKeyboardHandles(bool keyboardHandles)
{
    if (d->keyboardHandles == keyboardHandles) {
        return;
    }
    d->keyboardHandles = keyboardHandles;
    QAccessible::State focusable;
    focusable.focusable = true;
    Accessibility::notifyState(this, focusable, 0);
    Accessibility::notifyState(this, focusable, 1);
    update();
    Q_EMIT keyboardHandlesChanged(keyboardHandles);
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
        d->setCurrentHandle(handle);
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

void RangeSlider::keyPressEvent(QKeyEvent *event)
{
    if (!d->keyPress(event)) {
        QSlider::keyPressEvent(event);
    }
}

void RangeSlider::focusInEvent(QFocusEvent *event)
{
    QSlider::focusInEvent(event);
    d->focusIn(event->reason());
}

void RangeSlider::focusOutEvent(QFocusEvent *event)
{
    QSlider::focusOutEvent(event);
    // The focus frame goes.
    update();
}

bool RangeSlider::focusNextPrevChild(bool next)
{
    return d->focusNextPrev(next) || QSlider::focusNextPrevChild(next);
}

void RangeSlider::drawHandle(QStylePainter *painter, QRect rect, Handle handle, bool down, bool hovered) const
{
    d->drawHandle(painter, rect, handle, down, hovered);
}

namespace {

using Accessibility::WidgetAccessible;

// One handle of a range slider: a value element between the slider's bound and the other handle.
class RangeSliderHandleAccessible : public QAccessibleInterface,
                                    public QAccessibleValueInterface,
                                    public QAccessibleActionInterface
{
public:
    RangeSliderHandleAccessible(RangeSlider *slider, RangeSlider::Handle handle)
        : m_slider(slider)
        , m_handle(handle)
    {
    }

    bool isValid() const override { return slider() != nullptr; }
    QObject *object() const override { return nullptr; }

    QWindow *window() const override
    {
        const RangeSlider *s = slider();
        return s ? s->window()->windowHandle() : nullptr;
    }

    QAccessibleInterface *parent() const override
    {
        return slider() ? QAccessible::queryAccessibleInterface(slider()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!slider()) {
            return {};
        }
        switch (t) {
        case QAccessible::Name:
            return minimum() ? RangeSlider::tr("Minimum") : RangeSlider::tr("Maximum");
        case QAccessible::Value:
            return QString::number(value());
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override { }

    QRect rect() const override
    {
        RangeSlider *s = slider();
        if (!s) {
            return {};
        }
        const QRect local = RangeSliderPrivate::get(s)->handleRect(value());
        return QRect(s->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override { return QAccessible::Slider; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const RangeSlider *r = slider();
        if (!r) {
            s.invalid = true;
            return s;
        }
        s.disabled = !r->isEnabled();
        s.invisible = !r->isVisible();
        s.focusable = r->hasKeyboardHandles() && (r->focusPolicy() & Qt::TabFocus);
        s.focused = s.focusable && r->hasFocus() && r->getCurrentHandle() == m_handle;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface *>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface *>(this);
        }
        return nullptr;
    }

    // The value: each handle between the slider's bound on its side and the other handle.
    QVariant currentValue() const override { return slider() ? QVariant(value()) : QVariant(); }

    void setCurrentValue(const QVariant &newValue) override
    {
        if (RangeSlider *s = slider(); s && s->isEnabled()) {
            RangeSliderPrivate::get(s)->moveHandle(m_handle, newValue.toInt());
        }
    }

    QVariant maximumValue() const override
    {
        const RangeSlider *s = slider();
        return s ? QVariant(minimum() ? s->getMaxHandleValue() : s->maximum()) : QVariant();
    }

    QVariant minimumValue() const override
    {
        const RangeSlider *s = slider();
        return s ? QVariant(minimum() ? s->minimum() : s->getMinHandleValue()) : QVariant();
    }

    QVariant minimumStepSize() const override { return slider() ? QVariant(slider()->singleStep()) : QVariant(); }

    QStringList actionNames() const override
    {
        return slider() ? QStringList {increaseAction(), decreaseAction()} : QStringList();
    }

    void doAction(const QString &name) override
    {
        if (RangeSlider *s = slider(); s && s->isEnabled()) {
            if (name == increaseAction()) {
                RangeSliderPrivate::get(s)->moveHandle(m_handle, value() + s->singleStep());
            } else if (name == decreaseAction()) {
                RangeSliderPrivate::get(s)->moveHandle(m_handle, value() - s->singleStep());
            }
        }
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    // Null once the slider is gone, and while it is being destroyed.
    RangeSlider *slider() const { return qobject_cast<RangeSlider *>(m_slider.data()); }
    bool minimum() const { return m_handle == RangeSlider::MinimumHandle; }
    int value() const { return minimum() ? slider()->getMinHandleValue() : slider()->getMaxHandleValue(); }

    QPointer<QObject> m_slider;
    const RangeSlider::Handle m_handle;
};

// A range slider: a grouping of its two handles.
class RangeSliderAccessible : public WidgetAccessible
{
public:
    explicit RangeSliderAccessible(RangeSlider *slider)
        : WidgetAccessible(slider, QAccessible::Grouping)
    {
    }

    ~RangeSliderAccessible() override
    {
        for (const QAccessible::Id id : m_handles) {
            if (id) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    QString text(QAccessible::Text t) const override
    {
        const RangeSlider *s = slider();
        if (!s) {
            return {};
        }
        if (t == QAccessible::Name) {
            return either(applicationName(),
                          qobject_cast<const ColormapRangeSlider *>(s) ? ColormapRangeSlider::tr("Colormap range")
                                                                       : RangeSlider::tr("Range"));
        }
        return WidgetAccessible::text(t);
    }

    int childCount() const override { return slider() ? 2 : 0; }

    QAccessibleInterface *child(int index) const override
    {
        RangeSlider *s = slider();
        if (!s || index < 0 || index > 1) {
            return nullptr;
        }
        if (QAccessibleInterface *known = QAccessible::accessibleInterface(m_handles[index])) {
            return known;
        }
        auto *handle
            = new RangeSliderHandleAccessible(s, index == 0 ? RangeSlider::MinimumHandle : RangeSlider::MaximumHandle);
        m_handles[index] = QAccessible::registerAccessibleInterface(handle);
        return handle;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < 2; ++i) {
            if (child && m_handles[i] && QAccessible::accessibleInterface(m_handles[i]) == child) {
                return i;
            }
        }
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 1; i >= 0; --i) {
            QAccessibleInterface *handle = child(i);
            if (handle && handle->rect().contains(x, y)) {
                return handle;
            }
        }
        return nullptr;
    }

    // The current handle, while the keyboard moves the handles.
    QAccessibleInterface *focusChild() const override
    {
        const RangeSlider *s = slider();
        if (!s || !s->hasFocus() || !s->hasKeyboardHandles()) {
            return nullptr;
        }
        return child(s->getCurrentHandle() == RangeSlider::MaximumHandle ? 1 : 0);
    }

private:
    RangeSlider *slider() const { return qobject_cast<RangeSlider *>(object()); }

    mutable QAccessible::Id m_handles[2] = {0, 0};
};

[[maybe_unused]] const bool sliderInterface = Accessibility::registerInterface(
    "Nalu::Components::RangeSlider", Accessibility::make<RangeSlider, RangeSliderAccessible>);

} // namespace

} // namespace Components
} // namespace Nalu
