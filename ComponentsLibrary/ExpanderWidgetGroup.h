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
 * @brief Groups expanders so that, while exclusive, at most one of them is expanded, like the pages of a tool box.
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
    bool isExclusive() const;

public Q_SLOTS:
    void setExclusive(bool exclusive);

Q_SIGNALS:
    void expanderWidgetAdded(Nalu::Components::ExpanderWidget *expander);
    void expanderWidgetRemoved(Nalu::Components::ExpanderWidget *expander);
    void exclusiveChanged(bool exclusive);
    void expanderWidgetToggled(Nalu::Components::ExpanderWidget *expander, bool opened);

protected Q_SLOTS:
    void onExpanderWidgetExpandedChanged(bool expanded);

private:
    Q_DISABLE_COPY(ExpanderWidgetGroup)
    std::unique_ptr<ExpanderWidgetGroupPrivate> const d;
};

} // namespace Components
} // namespace Nalu
