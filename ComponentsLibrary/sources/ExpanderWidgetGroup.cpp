// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ExpanderWidgetGroup.h>

#include <ComponentsLibrary/ExpanderWidget.h>

#include "WidgetGroup_p.h"

#include <QPointer>

namespace Nalu {
namespace Components {

class ExpanderWidgetGroupPrivate
{
public:
    WidgetGroup *widgetGroup = nullptr;
};

ExpanderWidgetGroup::ExpanderWidgetGroup(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<ExpanderWidgetGroupPrivate>())
{
    qRegisterMetaType<ExpanderWidget *>(); // for queued connections and signal spies
    d->widgetGroup = new WidgetGroup(this);
    connect(d->widgetGroup, &WidgetGroup::widgetAdded, this, [this](QWidget *widget) {
        auto *expander = qobject_cast<ExpanderWidget *>(widget);
        if (!expander) {
            return;
        }
        // Before connecting, so that these changes are not reported by the group. The expander's own
        // receivers may delete it meanwhile; the group has then dropped it already.
        const QPointer<ExpanderWidget> guarded = expander;
        if (isExclusive() && getOpenedExpanderWidget() != expander) {
            expander->collapse();
        }
        if (!guarded) {
            return;
        }
        connect(expander, &ExpanderWidget::expandedChanged, this,
                &ExpanderWidgetGroup::onExpanderWidgetExpandedChanged);
        Q_EMIT expanderWidgetAdded(expander);
    });
    connect(d->widgetGroup, &WidgetGroup::widgetRemoved, this, [this](QWidget *widget) {
        if (auto *expander = qobject_cast<ExpanderWidget *>(widget)) {
            disconnect(expander, &ExpanderWidget::expandedChanged, this,
                       &ExpanderWidgetGroup::onExpanderWidgetExpandedChanged);
            Q_EMIT expanderWidgetRemoved(expander);
        }
    });
    connect(d->widgetGroup, &WidgetGroup::exclusiveChanged, this, &ExpanderWidgetGroup::exclusiveChanged);
}

ExpanderWidgetGroup::~ExpanderWidgetGroup() = default;

void ExpanderWidgetGroup::addExpanderWidget(ExpanderWidget *expander)
{
    d->widgetGroup->addWidget(expander);
}

void ExpanderWidgetGroup::removeExpanderWidget(ExpanderWidget *expander)
{
    d->widgetGroup->removeWidget(expander);
}

QList<ExpanderWidget *> ExpanderWidgetGroup::getExpanderWidgets() const
{
    QList<ExpanderWidget *> expanders;
    for (QWidget *widget : d->widgetGroup->getWidgets()) {
        if (auto *expander = qobject_cast<ExpanderWidget *>(widget)) {
            expanders.append(expander);
        }
    }
    return expanders;
}

void ExpanderWidgetGroup::setExpanderWidgets(const QList<ExpanderWidget *> &expanders)
{
    d->widgetGroup->setWidgets(QList<QWidget *>(expanders.cbegin(), expanders.cend()));
}

ExpanderWidget *ExpanderWidgetGroup::getExpanderWidget(int index) const
{
    return qobject_cast<ExpanderWidget *>(d->widgetGroup->getWidget(index));
}

ExpanderWidget *ExpanderWidgetGroup::getOpenedExpanderWidget() const
{
    for (ExpanderWidget *expander : getExpanderWidgets()) {
        if (expander->isExpanded()) {
            return expander;
        }
    }
    return nullptr;
}

bool ExpanderWidgetGroup::isExclusive() const
{
    return d->widgetGroup->isExclusive();
}

void ExpanderWidgetGroup::setExclusive(bool exclusive)
{
    d->widgetGroup->setExclusive(exclusive);
}

void ExpanderWidgetGroup::onExpanderWidgetExpandedChanged(bool expanded)
{
    auto *sender = qobject_cast<ExpanderWidget *>(QObject::sender());
    if (!sender) {
        return;
    }
    if (!isExclusive()) {
        return;
    }
    if (expanded) {
        // Receivers of the members' signals may delete members still ahead in the walk, or the sender.
        const QPointer<ExpanderWidget> guardedSender = sender;
        d->widgetGroup->turnOthersOff(
            sender,
            [](QWidget *member) {
                auto *expander = qobject_cast<ExpanderWidget *>(member);
                return expander && expander->isExpanded();
            },
            [](QWidget *member) { static_cast<ExpanderWidget *>(member)->collapse(); });
        if (!guardedSender) {
            return;
        }
    }
    Q_EMIT expanderWidgetToggled(sender, expanded);
}

} // namespace Components
} // namespace Nalu
