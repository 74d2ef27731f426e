// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QList>
#include <QObject>

#include <memory>

namespace Nalu {
namespace Components {

class CardWidget;
class CardWidgetGroupPrivate;

/**
 * @brief Makes cards behave like the buttons of an exclusive button group.
 *
 * Groups cards so that, while exclusive, at most one of them is checked.
 *
 * The group neither owns nor reparents its cards; a card destroyed while in the group leaves it silently.
 */
class COMPONENTSLIBRARY_EXPORT CardWidgetGroup : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "Makes cards behave like the buttons of an exclusive button group. A card added to an exclusive "
                "group becomes checkable and stays checked only when no earlier member is checked; checking a "
                "member then unchecks the others. cardWidgetChecked reports every change of a member's checked "
                "state, exclusive or not. The group does not own its cards.")
    /** @brief At most one member is checked; default true. */
    Q_PROPERTY(bool exclusive READ isExclusive WRITE setExclusive NOTIFY exclusiveChanged)

public:
    /** @brief Creates an empty, exclusive group. */
    Q_INVOKABLE explicit CardWidgetGroup(QObject *parent = nullptr);
    ~CardWidgetGroup() override;

    /** @brief Adds a card; null and members already present are ignored. */
    void addCardWidget(Nalu::Components::CardWidget *card);
    /** @brief Removes a member, leaving its state as it is; other cards are ignored. */
    void removeCardWidget(Nalu::Components::CardWidget *card);
    /** @brief The members in order of addition. */
    QList<Nalu::Components::CardWidget *> getCardWidgets() const;
    /** @brief Replaces the members (the previous ones are announced as removed) and adds the cards in order. */
    void setCardWidgets(const QList<Nalu::Components::CardWidget *> &cards);
    /** @brief The member at index, or null when out of range. */
    Nalu::Components::CardWidget *getCardWidget(int index) const;
    /** @brief The first checked member, or null. */
    Nalu::Components::CardWidget *getCheckedCardWidget() const;
    /** @brief Whether at most one member is checked (the exclusive property). */
    bool isExclusive() const;

public Q_SLOTS:
    /**
     * @brief Sets whether the group is exclusive and emits exclusiveChanged() when it changes.
     * The members keep their state: the rule applies to cards added and checked from then on.
     */
    void setExclusive(bool exclusive);

Q_SIGNALS:
    /** @brief Emitted by addCardWidget() (and setCardWidgets()) once @p card is a member; in an exclusive group the
     * card has been made checkable (and unchecked, unless it is the first checked member) before. */
    void cardWidgetAdded(Nalu::Components::CardWidget *card);
    /** @brief Emitted by removeCardWidget() (and, for every previous member, by setCardWidgets()) once @p card has left
     * the group. */
    void cardWidgetRemoved(Nalu::Components::CardWidget *card);
    /** @brief Emitted by setExclusive() when the flag changed, with the new value. */
    void exclusiveChanged(bool exclusive);
    /**
     * @brief Emitted whenever a member's checked state changes, exclusive or not, with the new state.
     * When a member becomes checked in an exclusive group, the other members are unchecked first (each emitting its own
     * cardWidgetChecked(other, false)); the checked card's cardWidgetChecked(card, true) comes last.
     */
    void cardWidgetChecked(Nalu::Components::CardWidget *card, bool checked);

protected Q_SLOTS:
    /** @brief Receives a member's checkedChanged(): unchecks the others when exclusive and @p checked, then emits
     * cardWidgetChecked(). */
    void onCardWidgetCheckedChanged(bool checked);

private:
    Q_DISABLE_COPY(CardWidgetGroup)
    std::unique_ptr<CardWidgetGroupPrivate> const d;
};

} // namespace Components
} // namespace Nalu
