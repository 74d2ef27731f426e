// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CardWidgetGroup.h>

#include <ComponentsLibrary/CardWidget.h>

#include "WidgetGroup_p.h"

#include <QPointer>

namespace Nalu {
namespace Components {

class CardWidgetGroupPrivate
{
public:
    WidgetGroup *widgetGroup = nullptr;
};

CardWidgetGroup::CardWidgetGroup(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<CardWidgetGroupPrivate>())
{
    qRegisterMetaType<CardWidget *>(); // for queued connections and signal spies
    d->widgetGroup = new WidgetGroup(this);
    connect(d->widgetGroup, &WidgetGroup::widgetAdded, this, [this](QWidget *widget) {
        auto *card = qobject_cast<CardWidget *>(widget);
        if (!card) {
            return;
        }
        // Before connecting, so that these changes are not reported by the group. The card's own receivers
        // may delete it meanwhile; the group has then dropped it already.
        const QPointer<CardWidget> guarded = card;
        if (isExclusive()) {
            card->setCheckable(true);
            if (guarded && getCheckedCardWidget() != card) {
                card->setChecked(false);
            }
        }
        if (!guarded) {
            return;
        }
        connect(card, &CardWidget::checkedChanged, this, &CardWidgetGroup::onCardWidgetCheckedChanged);
        Q_EMIT cardWidgetAdded(card);
    });
    connect(d->widgetGroup, &WidgetGroup::widgetRemoved, this, [this](QWidget *widget) {
        if (auto *card = qobject_cast<CardWidget *>(widget)) {
            disconnect(card, &CardWidget::checkedChanged, this, &CardWidgetGroup::onCardWidgetCheckedChanged);
            Q_EMIT cardWidgetRemoved(card);
        }
    });
    connect(d->widgetGroup, &WidgetGroup::exclusiveChanged, this, &CardWidgetGroup::exclusiveChanged);
}

CardWidgetGroup::~CardWidgetGroup() = default;

void CardWidgetGroup::addCardWidget(CardWidget *card)
{
    d->widgetGroup->addWidget(card);
}

void CardWidgetGroup::removeCardWidget(CardWidget *card)
{
    d->widgetGroup->removeWidget(card);
}

QList<CardWidget *> CardWidgetGroup::getCardWidgets() const
{
    QList<CardWidget *> cards;
    for (QWidget *widget : d->widgetGroup->getWidgets()) {
        if (auto *card = qobject_cast<CardWidget *>(widget)) {
            cards.append(card);
        }
    }
    return cards;
}

void CardWidgetGroup::setCardWidgets(const QList<CardWidget *> &cards)
{
    d->widgetGroup->setWidgets(QList<QWidget *>(cards.cbegin(), cards.cend()));
}

CardWidget *CardWidgetGroup::getCardWidget(int index) const
{
    return qobject_cast<CardWidget *>(d->widgetGroup->getWidget(index));
}

CardWidget *CardWidgetGroup::getCheckedCardWidget() const
{
    for (CardWidget *card : getCardWidgets()) {
        if (card->isChecked()) {
            return card;
        }
    }
    return nullptr;
}

bool CardWidgetGroup::isExclusive() const
{
    return d->widgetGroup->isExclusive();
}

void CardWidgetGroup::setExclusive(bool exclusive)
{
    d->widgetGroup->setExclusive(exclusive);
}

void CardWidgetGroup::onCardWidgetCheckedChanged(bool checked)
{
    auto *sender = qobject_cast<CardWidget *>(QObject::sender());
    if (!sender) {
        return;
    }
    if (isExclusive() && checked) {
        // Receivers of the members' signals may delete members still ahead in the walk, or the sender.
        const QPointer<CardWidget> guardedSender = sender;
        d->widgetGroup->turnOthersOff(
            sender,
            [](QWidget *member) {
                auto *card = qobject_cast<CardWidget *>(member);
                return card && card->isChecked();
            },
            [](QWidget *member) { static_cast<CardWidget *>(member)->setChecked(false); });
        if (!guardedSender) {
            return;
        }
    }
    Q_EMIT cardWidgetChecked(sender, checked);
}

} // namespace Components
} // namespace Nalu
