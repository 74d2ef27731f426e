// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QObject>
#include <QWidget>

#include <functional>

namespace Nalu {
namespace Components {

/**
 * @brief An ordered list of member widgets with an exclusive flag; the base of the card and expander groups.
 *
 * Members are neither owned nor kept alive: a member that is destroyed while in the group silently leaves it, so the
 * list never holds a dangling pointer.
 */
class WidgetGroup : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "An ordered list of widgets with an exclusive flag and membership signals, used by the card and "
                "expander groups.")
    /** @brief Members are meant to exclude each other; default true. */
    Q_PROPERTY(bool exclusive READ isExclusive WRITE setExclusive NOTIFY exclusiveChanged)

public:
    Q_INVOKABLE explicit WidgetGroup(QObject *parent = nullptr);
    ~WidgetGroup() override;

    /** @brief Appends a widget; null and members already present are ignored. */
    void addWidget(QWidget *widget);
    /** @brief Removes a member; other widgets are ignored. */
    void removeWidget(QWidget *widget);
    const QList<QWidget *> &getWidgets() const;
    /** @brief Replaces the members: the previous ones are announced as removed, then each entry is added in order. */
    void setWidgets(const QList<QWidget *> &widgets);
    /** @brief The member at index, or null when the index is out of range. */
    QWidget *getWidget(int index) const;
    bool isExclusive() const;
    void setExclusive(bool exclusive);
    /** @brief Turns off, with @p turnOff, every member other than @p keep that @p isOn answers true for. Members
     * that receivers of what turnOff emits delete are skipped; so is the rest if they delete the group. */
    void turnOthersOff(const QWidget *keep, const std::function<bool(QWidget *)> &isOn,
                       const std::function<void(QWidget *)> &turnOff);

Q_SIGNALS:
    void widgetAdded(QWidget *widget);
    void widgetRemoved(QWidget *widget);
    void exclusiveChanged(bool exclusive);

private:
    Q_DISABLE_COPY(WidgetGroup)
    QList<QWidget *> m_widgets;
    // Counts members that left, so that a walk can tell cheaply whether its copy of the list is still exact.
    quint64 m_departures = 0;
    bool m_exclusive = true;
};

} // namespace Components
} // namespace Nalu
