// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QList>
#include <QObject>

#include <memory>

namespace Nalu {
namespace Components {

class ExpanderWidget;
class ExpanderWidgetGroupPrivate;

/**
 * @brief Makes a stack of expanders behave like a tool box: in an exclusive group at most one expander is open.
 *
 * Groups expanders so that, while exclusive, at most one of them is expanded, like the pages of a tool box.
 *
 * The group neither owns nor reparents its expanders; a expander destroyed while in the group leaves it silently.
 */
class COMPONENTSLIBRARY_EXPORT ExpanderWidgetGroup : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "Makes a stack of expanders behave like a tool box: in an exclusive group at most one expander is "
                "open. An expander added to an exclusive group stays expanded only when no earlier member is "
                "expanded; expanding a member then collapses the others, and expanderWidgetToggled reports each "
                "change while the group is exclusive. The group does not own its expanders.")
    /** @brief At most one member is expanded; default true. */
    Q_PROPERTY(bool exclusive READ isExclusive WRITE setExclusive NOTIFY exclusiveChanged)

public:
    /** @brief Creates an empty, exclusive group. */
    Q_INVOKABLE explicit ExpanderWidgetGroup(QObject *parent = nullptr);
    ~ExpanderWidgetGroup() override;

    /** @brief Adds an expander; null and members already present are ignored. */
    void addExpanderWidget(Nalu::Components::ExpanderWidget *expander);
    /** @brief Removes a member, leaving its state as it is; other expanders are ignored. */
    void removeExpanderWidget(Nalu::Components::ExpanderWidget *expander);
    /** @brief The members in order of addition. */
    QList<Nalu::Components::ExpanderWidget *> getExpanderWidgets() const;
    /** @brief Replaces the members (the previous ones are announced as removed) and adds the expanders in order. */
    void setExpanderWidgets(const QList<Nalu::Components::ExpanderWidget *> &expanders);
    /** @brief The member at index, or null when out of range. */
    Nalu::Components::ExpanderWidget *getExpanderWidget(int index) const;
    /** @brief The first expanded member, or null. */
    Nalu::Components::ExpanderWidget *getOpenedExpanderWidget() const;
    /** @brief Whether at most one member is expanded (the exclusive property). */
    bool isExclusive() const;

public Q_SLOTS:
    /**
     * @brief Sets whether the group is exclusive and emits exclusiveChanged() when it changes.
     * The members keep their state: the rule applies to expanders added and expanded from then on.
     */
    void setExclusive(bool exclusive);

Q_SIGNALS:
    /** @brief Emitted by addExpanderWidget() (and setExpanderWidgets()) once @p expander is a member; in an exclusive
     * group it has been collapsed before, unless it is the first expanded member. */
    void expanderWidgetAdded(Nalu::Components::ExpanderWidget *expander);
    /** @brief Emitted by removeExpanderWidget() (and, for every previous member, by setExpanderWidgets()) once @p
     * expander has left the group. */
    void expanderWidgetRemoved(Nalu::Components::ExpanderWidget *expander);
    /** @brief Emitted by setExclusive() when the flag changed, with the new value. */
    void exclusiveChanged(bool exclusive);
    /**
     * @brief Emitted, while the group is exclusive, whenever a member is expanded or collapsed, with its new state.
     * When a member is expanded, the other members are collapsed first (each emitting its own
     * expanderWidgetToggled(other, false)); the expanded member's expanderWidgetToggled(expander, true) comes last. A
     * non-exclusive group emits nothing.
     */
    void expanderWidgetToggled(Nalu::Components::ExpanderWidget *expander, bool opened);

protected Q_SLOTS:
    /** @brief Receives a member's expandedChanged(): in an exclusive group, collapses the others when @p expanded, then
     * emits expanderWidgetToggled(). */
    void onExpanderWidgetExpandedChanged(bool expanded);

private:
    Q_DISABLE_COPY(ExpanderWidgetGroup)
    std::unique_ptr<ExpanderWidgetGroupPrivate> const d;
};

} // namespace Components
} // namespace Nalu
