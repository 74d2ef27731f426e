// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonGroupWidget.h>

#include "Accessibility_p.h"
#include "DefaultText_p.h"
#include "WidgetTree_p.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QToolBar>
#include <QVariant>
#include <QVector>

namespace Nalu {
namespace Components {

namespace {

constexpr int contentsMargin = 3;

QBrush themeBrush(const QWidget *widget, const char *name)
{
    return widget->property(name).value<QBrush>();
}

} // namespace

class ButtonGroupWidgetPrivate
{
public:
    QButtonGroup *group = nullptr;
    QBoxLayout *layout = nullptr;
    Qt::Orientation orientation = Qt::Horizontal;
    bool workflow = false;
    QMetaObject::Connection toolBarConnection;

    // The members, in group order, as pointers that go null when a member is destroyed.
    QVector<QPointer<QAbstractButton>> guardedButtons() const
    {
        const QList<QAbstractButton *> buttons = group->buttons();
        return QVector<QPointer<QAbstractButton>>(buttons.cbegin(), buttons.cend());
    }

    int describedSteps = -1;

    // Qt keeps only the checked button of an exclusive group in the Tab chain, as for radio buttons, and
    // leaves the others out when the button leaves the group or the group its exclusive mode.
    static void restoreTabFocus(QAbstractButton *button)
    {
        button->setFocusPolicy(Qt::FocusPolicy(button->focusPolicy() | Qt::TabFocus));
    }

    // In workflow mode each visible member says which step it is and whether it is done (before the
    // checked one) or current (checked); the group says how many steps there are.
    void describeSteps(ButtonGroupWidget *widget)
    {
        const QList<QAbstractButton *> buttons = group->buttons();
        int steps = 0;
        int current = -1;
        for (const QAbstractButton *button : buttons) {
            if (button->isVisibleTo(widget)) {
                current = button->isChecked() ? steps : current;
                ++steps;
            }
        }
        int step = 0;
        for (QAbstractButton *button : buttons) {
            QString part;
            if (workflow && button->isVisibleTo(widget)) {
                ++step;
                if (step - 1 == current) {
                    part = ButtonGroupWidget::tr("Step %1 of %2, current").arg(step).arg(steps);
                } else if (step - 1 < current) {
                    part = ButtonGroupWidget::tr("Step %1 of %2, done").arg(step).arg(steps);
                } else {
                    part = ButtonGroupWidget::tr("Step %1 of %2").arg(step).arg(steps);
                }
            }
            Accessibility::setDescriptionPart(button, part);
        }
        const int described = workflow ? steps : -1;
        if (described != describedSteps) {
            describedSteps = described;
            Accessibility::notify(widget, QAccessible::DescriptionChanged);
        }
    }
};

ButtonGroupWidget::ButtonGroupWidget(QWidget *parent, Qt::WindowFlags f)
    : QWidget(parent, f)
    , d(std::make_unique<ButtonGroupWidgetPrivate>())
{
    d->group = new QButtonGroup(this);

    const int unit = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    d->layout = new QHBoxLayout(this);
    d->layout->setContentsMargins(contentsMargin, contentsMargin, contentsMargin, contentsMargin);
    d->layout->setSpacing(unit);

    d->group->setExclusive(false);

    connect(d->group, qOverload<QAbstractButton *>(&QButtonGroup::buttonClicked), this,
            &ButtonGroupWidget::buttonClicked);
    connect(d->group, qOverload<QAbstractButton *>(&QButtonGroup::buttonPressed), this,
            &ButtonGroupWidget::buttonPressed);
    connect(d->group, qOverload<QAbstractButton *>(&QButtonGroup::buttonReleased), this,
            &ButtonGroupWidget::buttonReleased);
    connect(d->group, qOverload<QAbstractButton *, bool>(&QButtonGroup::buttonToggled), this,
            &ButtonGroupWidget::buttonToggled);
    connect(d->group, qOverload<QAbstractButton *, bool>(&QButtonGroup::buttonToggled), this,
            [this] { d->describeSteps(this); });
    Internal::onLanguageChange(this, [this] { d->describeSteps(this); });

    if (auto *toolBar = qobject_cast<QToolBar *>(parent)) {
        setOrientation(toolBar->orientation());
        d->toolBarConnection
            = connect(toolBar, &QToolBar::orientationChanged, this, &ButtonGroupWidget::setOrientation);
    }

    setProperty("ButtonGroupWidget_Container", true);
}

ButtonGroupWidget::~ButtonGroupWidget()
{
    // The members die in QWidget's destructor, after this object's state is gone: make sure none of them calls
    // back into it on the way out.
    disconnect(d->toolBarConnection);
    disconnect(d->group, nullptr, this, nullptr);
    const QList<QAbstractButton *> buttons = d->group->buttons();
    for (QAbstractButton *button : buttons) {
        button->removeEventFilter(this);
        disconnect(button, nullptr, this, nullptr);
    }
}

const Qt::Orientation &ButtonGroupWidget::getOrientation() const
{
    return d->orientation;
}

bool ButtonGroupWidget::isExclusive() const
{
    return d->group->exclusive();
}

bool ButtonGroupWidget::isWorkflow() const
{
    return d->workflow;
}

void ButtonGroupWidget::addButton(QAbstractButton *button)
{
    if (!button || d->group->buttons().contains(button)
        || !Internal::mayAdopt(this, button, "ButtonGroupWidget::addButton")) {
        return;
    }
    button->setParent(this);
    button->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    if (d->group->exclusive()) {
        button->setCheckable(true);
    }
    d->layout->addWidget(button);
    // A checked button joining an exclusive group unchecks the checked member, and receivers of that toggle may
    // delete the new button, or this group.
    const QPointer<QAbstractButton> guard(button);
    const QPointer<ButtonGroupWidget> self(this);
    d->group->addButton(button);
    if (!self) {
        return;
    }
    if (!guard) {
        updateButtonVisibleIndex();
        return;
    }
    if (d->workflow) {
        const int unit = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        button->setMinimumWidth(button->width() + unit);
        button->setMinimumHeight(button->height() + unit);
    }
    updateButtonVisibleIndex();
    // Tab reaches the members in their order, also when added to a window that has other widgets.
    const QList<QAbstractButton *> members = d->group->buttons();
    Keyboard::placeInFocusChain(button,
                                members.size() > 1 ? members.at(members.size() - 2) : static_cast<QWidget *>(this));
    button->installEventFilter(this);
    // QAbstractButton leaves its group when destroyed; renumber the survivors once it is gone.
    connect(button, &QObject::destroyed, this, &ButtonGroupWidget::updateButtonVisibleIndex);
}

void ButtonGroupWidget::removeButton(QAbstractButton *button)
{
    if (!button || !d->group->buttons().contains(button)) {
        return;
    }
    d->group->removeButton(button);
    if (d->group->exclusive()) {
        ButtonGroupWidgetPrivate::restoreTabFocus(button);
    }
    d->layout->removeWidget(button);
    button->setParent(nullptr);
    Accessibility::setDescriptionPart(button, QString());
    updateButtonVisibleIndex();
    button->removeEventFilter(this);
    disconnect(button, &QObject::destroyed, this, &ButtonGroupWidget::updateButtonVisibleIndex);
}

QList<QAbstractButton *> ButtonGroupWidget::getButtons() const
{
    return d->group->buttons();
}

void ButtonGroupWidget::setButtons(QList<QAbstractButton *> buttons)
{
    // Receivers of the toggles an addition causes may delete buttons further down the list, or this group.
    const QVector<QPointer<QAbstractButton>> guarded(buttons.cbegin(), buttons.cend());
    const QPointer<ButtonGroupWidget> self(this);
    for (const QPointer<QAbstractButton> &button : guarded) {
        if (!self) {
            return;
        }
        addButton(button);
    }
}

QAbstractButton *ButtonGroupWidget::getButton(int index) const
{
    const QList<QAbstractButton *> buttons = d->group->buttons();
    return index >= 0 && index < buttons.size() ? buttons.at(index) : nullptr;
}

QAbstractButton *ButtonGroupWidget::getCheckedButton() const
{
    return d->group->checkedButton();
}

void ButtonGroupWidget::setOrientation(const Qt::Orientation &orientation)
{
    if (d->orientation == orientation) {
        return;
    }
    setUpdatesEnabled(false);
    d->orientation = orientation;

    const QList<QAbstractButton *> buttons = d->group->buttons();
    for (QAbstractButton *button : buttons) {
        d->layout->removeWidget(button);
    }
    delete d->layout;

    if (orientation == Qt::Horizontal) {
        d->layout = new QHBoxLayout(this);
    } else {
        d->layout = new QVBoxLayout(this);
    }
    d->layout->setContentsMargins(contentsMargin, contentsMargin, contentsMargin, contentsMargin);
    const int unit = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    d->layout->setSpacing(d->workflow ? 2 * unit : unit);
    for (QAbstractButton *button : buttons) {
        d->layout->addWidget(button);
    }

    setUpdatesEnabled(true);
    updateGeometry();
}

void ButtonGroupWidget::setExclusive(bool exclusive)
{
    if (d->group->exclusive() == exclusive) {
        return;
    }
    d->group->setExclusive(exclusive);
    setProperty("ButtonGroupWidget_Exclusive", exclusive);

    // Receivers of toggled() may delete buttons still ahead in the walk, or take them out of the group.
    for (const QPointer<QAbstractButton> &button : d->guardedButtons()) {
        if (!button || button->group() != d->group) {
            continue;
        }
        if (!exclusive) {
            button->setChecked(false);
        }
        if (button) {
            button->setCheckable(exclusive);
            if (!exclusive) {
                ButtonGroupWidgetPrivate::restoreTabFocus(button);
            }
        }
    }
    update();
}

void ButtonGroupWidget::setWorkflow(bool workflow)
{
    if (d->workflow == workflow) {
        return;
    }
    d->workflow = workflow;
    setProperty("ButtonGroupWidget_Workflow", workflow);

    const int unit = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    d->layout->setSpacing(workflow ? 2 * unit : unit);

    const int delta = workflow ? unit : -unit;
    for (const QPointer<QAbstractButton> &button : d->guardedButtons()) {
        if (!button) {
            continue;
        }
        // A button narrower than the unit cannot shrink below nothing.
        button->setMinimumWidth(qMax(0, button->width() + delta));
        button->setMinimumHeight(qMax(0, button->height() + delta));
    }
    d->describeSteps(this);
    update();
}

void ButtonGroupWidget::updateButtonVisibleIndex()
{
    int visibleCount = 0;
    const QList<QAbstractButton *> buttons = d->group->buttons();
    for (QAbstractButton *button : buttons) {
        if (button->isVisible()) {
            button->setProperty("Button_VisibleIndex", visibleCount);
            ++visibleCount;
        } else {
            button->setProperty("Button_VisibleIndex", -1);
        }
    }
    setProperty("ButtonGroupWidget_VisibleCount", visibleCount);
    d->describeSteps(this);
}

bool ButtonGroupWidget::eventFilter(QObject *watched, QEvent *event)
{
    // Only the group's own list is walked: a member on its way out has already left it.
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        updateButtonVisibleIndex();
    }
    return QWidget::eventFilter(watched, event);
}

void ButtonGroupWidget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);

    const bool enabled = isEnabled();
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QBrush background = themeBrush(this, enabled ? "BackgroundBrush" : "BackgroundBrushDisabled");
    QPen borderPen(themeBrush(this, "BorderBrush").color());
    if (!enabled) {
        borderPen.setColor(themeBrush(this, "BorderBrushDisabled").color());
    }
    borderPen.setJoinStyle(Qt::MiterJoin);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(borderPen);
    painter.setBrush(background);
    if (!testAttribute(Qt::WA_TranslucentBackground)) {
        const qreal radius = property("CornerRadius").toInt();
        painter.drawRoundedRect(frame, radius, radius, Qt::AbsoluteSize);
    }

    const QList<QAbstractButton *> buttons = d->group->buttons();
    const int spacing = d->layout->spacing();
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    d->layout->getContentsMargins(&left, &top, &right, &bottom);
    const bool horizontal = d->orientation == Qt::Horizontal;
    const int w = width();
    const int h = height();
    const QPen linkPen(themeBrush(this, enabled ? "WorkflowLinkBrush" : "WorkflowLinkBrushDisabled").color());
    if (horizontal && isRightToLeft()) {
        // The layout places the members from the right: the gaps are measured from there.
        painter.translate(w, 0);
        painter.scale(-1, 1);
    }

    qreal position = 0.0;
    for (int i = 0; i < buttons.size() - 1; ++i) {
        const int size = horizontal ? buttons.at(i)->width() : buttons.at(i)->height();
        position += i == 0 ? left + spacing / 2 : spacing;
        position += size;

        if (!d->workflow) {
            if (horizontal) {
                painter.drawLine(QPointF(position, 4.0), QPointF(position, h - 5));
            } else {
                painter.drawLine(QPointF(4.0, position), QPointF(w - 5, position));
            }
            continue;
        }
        if (!buttons.at(i + 1)->isVisible()) {
            continue;
        }
        // The link covers the gap after member i as if every member had member i's size.
        painter.setPen(linkPen);
        const int start = (i + 1) * size + i * spacing + (horizontal ? left : top);
        const int end = (i + 1) * (size + spacing) + (horizontal ? left : top);
        if (horizontal) {
            painter.drawLine(QPointF(start, h / 2.0), QPointF(end, h / 2.0));
        } else {
            painter.drawLine(QPointF(w / 2.0, start), QPointF(w / 2.0, end));
        }
    }
}

namespace {

using Accessibility::WidgetAccessible;

class ButtonGroupAccessible : public WidgetAccessible
{
public:
    explicit ButtonGroupAccessible(ButtonGroupWidget *group)
        : WidgetAccessible(group, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const ButtonGroupWidget *group = qobject_cast<ButtonGroupWidget *>(object());
        if (!group) {
            return {};
        }
        if (t == QAccessible::Description && group->isWorkflow()) {
            int steps = 0;
            const QList<QAbstractButton *> buttons = group->getButtons();
            for (const QAbstractButton *button : buttons) {
                steps += button->isVisibleTo(group) ? 1 : 0;
            }
            return either(applicationDescription(),
                          steps == 1 ? ButtonGroupWidget::tr("Workflow of 1 step")
                                     : ButtonGroupWidget::tr("Workflow of %1 steps").arg(steps));
        }
        return WidgetAccessible::text(t);
    }
};

[[maybe_unused]] const bool groupInterface = Accessibility::registerInterface(
    "Nalu::Components::ButtonGroupWidget", Accessibility::make<ButtonGroupWidget, ButtonGroupAccessible>);

} // namespace

} // namespace Components
} // namespace Nalu
