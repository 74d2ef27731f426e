// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButtonGroupPopUp.h>

#include <ComponentsLibrary/ButtonGroupWidget.h>

#include "Accessibility_p.h"
#include "WidgetTree_p.h"

#include <QMenu>
#include <QPointer>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>

namespace Nalu {
namespace Components {

namespace {

Qt::Orientation perpendicular(Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal;
}

// The menu of a group pop-up: centred on its button along the tool bar the button sits in.
class ToolButtonPopUpMenu : public Keyboard::FocusCyclingMenu
{
public:
    explicit ToolButtonPopUpMenu(QToolButton *button)
        : FocusCyclingMenu(button)
        , m_button(button)
    {
        setWindowFlags(windowFlags() | Qt::NoDropShadowWindowHint);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        FocusCyclingMenu::showEvent(event);
        if (!m_button) {
            return;
        }
        auto *toolBar = qobject_cast<QToolBar *>(m_button->parentWidget());
        if (!toolBar) {
            return;
        }
        if (toolBar->orientation() == Qt::Horizontal) {
            move(x() - (width() - m_button->width()) / 2, y());
        } else {
            move(x(), y() - (height() - m_button->height()) / 2 - 1);
        }
    }

private:
    QPointer<QToolButton> m_button;
};

} // namespace

class ToolButtonGroupPopUpPrivate
{
public:
    QPointer<ButtonGroupWidget> group;
    QMetaObject::Connection toggledConnection;

    // The group for a change through `call`. The group lives in the button's first menu: an application that deletes
    // that menu deletes the group with it, and then changes are dropped, with a warning.
    ButtonGroupWidget *groupToChange(const char *call) const
    {
        if (!group) {
            qWarning("Nalu::Components::ToolButtonGroupPopUp::%s: the button group was deleted with its menu, nothing "
                     "changes",
                     call);
        }
        return group;
    }
    QMetaObject::Connection toolBarConnection;
};

ToolButtonGroupPopUp::ToolButtonGroupPopUp(QWidget *parent)
    : ToolButtonPopUpBase(parent)
    , d(std::make_unique<ToolButtonGroupPopUpPrivate>())
{
    d->group = new ButtonGroupWidget(this);
    setMenuWidget(d->group);

    d->toggledConnection
        = connect(d->group, &ButtonGroupWidget::buttonToggled, this, [this](QAbstractButton *button, bool checked) {
              if (!checked || !button || !d->group || !d->group->isExclusive()) {
                  return;
              }
              setIcon(button->icon());
              setText(button->text());
              setToolTip(button->toolTip());
              if (QMenu *popUp = menu()) {
                  popUp->hide();
              }
          });

    if (auto *toolBar = qobject_cast<QToolBar *>(parent)) {
        d->group->setOrientation(perpendicular(toolBar->orientation()));
        d->toolBarConnection
            = connect(toolBar, &QToolBar::orientationChanged, this, [this](Qt::Orientation orientation) {
                  if (!d->group) {
                      return;
                  }
                  d->group->setOrientation(perpendicular(orientation));
                  // A menu keeps the size it computed for the old layout; a fresh one fits the new one.
                  setMenuWidget(d->group);
              });
    }
}

ToolButtonGroupPopUp::~ToolButtonGroupPopUp()
{
    // The group and its members are destroyed with the menus, after this object's state: no call-backs then.
    disconnect(d->toggledConnection);
    disconnect(d->toolBarConnection);
}

QMenu *ToolButtonGroupPopUp::createMenuInstance()
{
    return new ToolButtonPopUpMenu(this);
}

void ToolButtonGroupPopUp::addButton(QAbstractButton *button)
{
    // Buttons the group would refuse are left untouched.
    ButtonGroupWidget *group = d->groupToChange("addButton");
    if (!group || !button || group->getButtons().contains(button)
        || !Internal::mayAdopt(group, button, "ToolButtonGroupPopUp::addButton")) {
        return;
    }
    if (auto *toolButton = qobject_cast<QToolButton *>(button)) {
        toolButton->setAutoRaise(true);
    }
    group->addButton(button);
}

void ToolButtonGroupPopUp::removeButton(QAbstractButton *button)
{
    if (ButtonGroupWidget *group = d->groupToChange("removeButton")) {
        group->removeButton(button);
    }
}

QList<QAbstractButton *> ToolButtonGroupPopUp::getButtons() const
{
    return d->group ? d->group->getButtons() : QList<QAbstractButton *>();
}

void ToolButtonGroupPopUp::setButtons(QList<QAbstractButton *> buttons)
{
    if (ButtonGroupWidget *group = d->groupToChange("setButtons")) {
        group->setButtons(buttons);
    }
}

QAbstractButton *ToolButtonGroupPopUp::getButton(int index) const
{
    return d->group ? d->group->getButton(index) : nullptr;
}

QAbstractButton *ToolButtonGroupPopUp::getCheckedButton() const
{
    return d->group ? d->group->getCheckedButton() : nullptr;
}

bool ToolButtonGroupPopUp::isExclusive() const
{
    return d->group && d->group->isExclusive();
}

void ToolButtonGroupPopUp::setExclusive(bool exclusive)
{
    if (ButtonGroupWidget *group = d->groupToChange("setExclusive")) {
        group->setExclusive(exclusive);
    }
}

} // namespace Components
} // namespace Nalu
