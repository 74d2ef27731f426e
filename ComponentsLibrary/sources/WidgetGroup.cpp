// SPDX-License-Identifier: MIT

#include "WidgetGroup_p.h"

#include <QPointer>
#include <QVector>

namespace Nalu {
namespace Components {

WidgetGroup::WidgetGroup(QObject *parent)
    : QObject(parent)
{
}

WidgetGroup::~WidgetGroup() = default;

void WidgetGroup::addWidget(QWidget *widget)
{
    if (!widget || m_widgets.contains(widget)) {
        return;
    }
    m_widgets.append(widget);
    // The captured pointer is only compared, never dereferenced: the object is half destroyed by then.
    connect(widget, &QObject::destroyed, this, [this, widget] {
        m_widgets.removeAll(widget);
        ++m_departures;
    });
    Q_EMIT widgetAdded(widget);
}

void WidgetGroup::removeWidget(QWidget *widget)
{
    if (!widget || !m_widgets.removeOne(widget)) {
        return;
    }
    ++m_departures;
    disconnect(widget, &QObject::destroyed, this, nullptr);
    Q_EMIT widgetRemoved(widget);
}

void WidgetGroup::turnOthersOff(const QWidget *keep, const std::function<bool(QWidget *)> &isOn,
                                const std::function<void(QWidget *)> &turnOff)
{
    // A copy, as receivers may change the list. While no member has left, every pointer in the copy is a live
    // member; once one has, each is looked up in the live list before use. In an exclusive group one member at
    // most is on, so checking one costs a pass over plain pointers rather than a guard per member.
    const QList<QWidget *> members = m_widgets;
    const QPointer<WidgetGroup> self(this);
    const quint64 departures = m_departures;
    bool receiversRan = false;
    for (QWidget *member : members) {
        if (receiversRan) {
            if (!self) {
                return;
            }
            if (m_departures != departures && !m_widgets.contains(member)) {
                continue;
            }
        }
        if (member != keep && isOn(member)) {
            receiversRan = true;
            turnOff(member);
        }
    }
}

const QList<QWidget *> &WidgetGroup::getWidgets() const
{
    return m_widgets;
}

void WidgetGroup::setWidgets(const QList<QWidget *> &widgets)
{
    // Announcing the previous members lets the typed groups stop listening to them.
    const QList<QWidget *> previous = m_widgets;
    for (QWidget *widget : previous) {
        removeWidget(widget);
    }
    // Receivers of widgetAdded() may delete widgets still ahead in the list.
    const QVector<QPointer<QWidget>> guarded(widgets.cbegin(), widgets.cend());
    for (const QPointer<QWidget> &widget : guarded) {
        if (widget) {
            addWidget(widget);
        }
    }
}

QWidget *WidgetGroup::getWidget(int index) const
{
    return m_widgets.value(index, nullptr);
}

bool WidgetGroup::isExclusive() const
{
    return m_exclusive;
}

void WidgetGroup::setExclusive(bool exclusive)
{
    if (m_exclusive == exclusive) {
        return;
    }
    m_exclusive = exclusive;
    Q_EMIT exclusiveChanged(exclusive);
}

} // namespace Components
} // namespace Nalu
