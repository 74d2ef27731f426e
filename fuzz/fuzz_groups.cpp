// SPDX-License-Identifier: MIT
// The card group, the expander group and the button group widget driven through adding, removing, replacing and
// deleting members, exclusivity, state changes and clicks, with receivers of the groups' own signals that delete
// members or switch exclusivity while the groups walk their members.
//
// Invariants after every step: a group's members are exactly the live widgets added (and not removed), in order;
// the button group's visible indices number its
// visible members from 0 and -1 marks the hidden ones.
#include "FuzzInput.h"

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetGroup.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/ExpanderWidgetGroup.h>

#include <QApplication>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include <array>
#include <functional>
#include <memory>

using namespace Nalu::Components;
using namespace NaluFuzz;

namespace {

// The steps of one input at most. Most inputs the fuzzer keeps run to the cap, so it sets the cost of an execution;
// 40 steps still reach every kind of step and event; what a shorter input gives up is long sequences of them.
constexpr int MaxSteps = 40;
constexpr int PoolSize = 6;

template<typename T>
void addTracked(QList<QPointer<T>> &members, T *widget)
{
    if (widget && !members.contains(widget)) {
        members.append(widget);
    }
}

template<typename T>
QList<T *> live(const QList<QPointer<T>> &members)
{
    QList<T *> result;
    for (const QPointer<T> &member : members) {
        if (member) {
            result.append(member);
        }
    }
    return result;
}

// A pool of up to PoolSize widgets, each made when the input first picks it: building a card takes far longer than
// most steps, and an input rarely uses all of them.
template<typename T>
class Pool
{
public:
    explicit Pool(std::function<T *()> make)
        : m_make(std::move(make))
    {
    }

    // The widget of a slot: made on first use, null once deleted.
    T *at(int slot)
    {
        if (!m_made[std::size_t(slot)]) {
            m_made[std::size_t(slot)] = true;
            m_widgets[std::size_t(slot)] = m_make();
        }
        return m_widgets[std::size_t(slot)];
    }

    T *choose(Input &in) { return at(in.pick(PoolSize)); }

    // The widget of a slot if it was made and lives.
    T *existing(int slot) const { return m_widgets[std::size_t(slot)]; }

private:
    std::function<T *()> m_make;
    std::array<QPointer<T>, PoolSize> m_widgets;
    std::array<bool, PoolSize> m_made {};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    auto window = std::make_unique<QWidget>();
    auto cardGroup = std::make_unique<CardWidgetGroup>();
    auto expanderGroup = std::make_unique<ExpanderWidgetGroup>();
    QPointer<ButtonGroupWidget> buttonGroup = new ButtonGroupWidget(window.get());
    if (in.flag()) {
        window->show();
    }

    Pool<CardWidget> cards([&] { return new CardWidget(in.text(), window.get()); });
    Pool<ExpanderWidget> expanders([&] { return new ExpanderWidget(in.text(), window.get()); });
    Pool<QAbstractButton> buttons([&] {
        QAbstractButton *button = nullptr;
        switch (in.pick(3)) {
        case 0:
            button = new QPushButton(in.text(), window.get());
            break;
        case 1:
            button = new QCheckBox(in.text(), window.get());
            break;
        default:
            button = new QToolButton(window.get());
            break;
        }
        button->setCheckable(in.flag());
        return button;
    });
    QList<QPointer<CardWidget>> cardMembers;
    QList<QPointer<ExpanderWidget>> expanderMembers;
    QList<QPointer<QAbstractButton>> buttonMembers;

    // Receivers that delete a widget of the pool, or flip exclusivity, a bounded number of times.
    int reactions = in.pick(6);
    const int victim = in.pick(PoolSize);
    const bool flipExclusive = in.flag();
    const auto react = [&](auto &pool, auto *group) {
        if (reactions <= 0) {
            return;
        }
        --reactions;
        if (flipExclusive) {
            group->setExclusive(!group->isExclusive());
        } else {
            delete pool.existing(victim);
        }
    };
    QObject::connect(cardGroup.get(), &CardWidgetGroup::cardWidgetChecked, [&] { react(cards, cardGroup.get()); });
    QObject::connect(expanderGroup.get(), &ExpanderWidgetGroup::expanderWidgetToggled,
                     [&] { react(expanders, expanderGroup.get()); });
    // The button this input is checking or clicking, while it does.
    const QAbstractButton *acting = nullptr;
    QObject::connect(buttonGroup, &ButtonGroupWidget::buttonToggled, [&](QAbstractButton *button) {
        // Neither the button that toggled nor the one being checked, whose check unchecked it in an exclusive group:
        // QAbstractButton::setChecked goes on with its button after the toggled signals, so a plain QButtonGroup's
        // receiver that deletes either crashes Qt 5.15 the same way.
        const QAbstractButton *target = buttons.existing(victim);
        if (buttonGroup && (flipExclusive || (button != target && acting != target))) {
            react(buttons, buttonGroup.data());
        }
    });

    for (int step = 0; step < MaxSteps && !in.atEnd(); ++step) {
        switch (in.pick(16)) {
        case 0: {
            CardWidget *card = cards.choose(in);
            addTracked(cardMembers, card);
            cardGroup->addCardWidget(card);
            break;
        }
        case 1: {
            CardWidget *card = cards.choose(in);
            cardMembers.removeAll(card);
            cardGroup->removeCardWidget(card);
            break;
        }
        case 2: {
            QList<CardWidget *> list;
            const int count = in.pick(4);
            for (int i = 0; i < count; ++i) {
                list.append(cards.choose(in));
            }
            cardMembers.clear();
            for (CardWidget *card : list) {
                addTracked(cardMembers, card);
            }
            cardGroup->setCardWidgets(list);
            break;
        }
        case 3:
            if (CardWidget *card = cards.choose(in)) {
                switch (in.pick(3)) {
                case 0:
                    card->setChecked(in.flag());
                    break;
                case 1:
                    card->setCheckable(in.flag());
                    break;
                default:
                    sendMouse(card, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::LeftButton, Qt::NoButton);
                    break;
                }
            }
            break;
        case 4:
            cardGroup->setExclusive(in.flag());
            break;
        case 5: {
            ExpanderWidget *expander = expanders.choose(in);
            addTracked(expanderMembers, expander);
            expanderGroup->addExpanderWidget(expander);
            break;
        }
        case 6: {
            ExpanderWidget *expander = expanders.choose(in);
            expanderMembers.removeAll(expander);
            expanderGroup->removeExpanderWidget(expander);
            break;
        }
        case 7: {
            QList<ExpanderWidget *> list;
            const int count = in.pick(4);
            for (int i = 0; i < count; ++i) {
                list.append(expanders.choose(in));
            }
            expanderMembers.clear();
            for (ExpanderWidget *expander : list) {
                addTracked(expanderMembers, expander);
            }
            expanderGroup->setExpanderWidgets(list);
            break;
        }
        case 8:
            if (ExpanderWidget *expander = expanders.choose(in)) {
                switch (in.pick(3)) {
                case 0:
                    expander->setExpanded(in.flag());
                    break;
                case 1:
                    expander->setExpandable(in.flag());
                    break;
                default:
                    expanderGroup->setExclusive(in.flag());
                    break;
                }
            }
            break;
        case 9:
            if (buttonGroup) {
                QAbstractButton *button = buttons.choose(in);
                addTracked(buttonMembers, button);
                buttonGroup->addButton(button);
            }
            break;
        case 10:
            if (buttonGroup) {
                QAbstractButton *button = buttons.choose(in);
                if (button && buttonMembers.removeAll(button) > 0) {
                    buttonGroup->removeButton(button);
                    // Handed back without a parent: ours to delete at the end.
                    button->setParent(window.get());
                } else {
                    buttonGroup->removeButton(button);
                }
            }
            break;
        case 11:
            if (buttonGroup) {
                switch (in.pick(3)) {
                case 0:
                    buttonGroup->setExclusive(in.flag());
                    break;
                case 1:
                    buttonGroup->setWorkflow(in.flag());
                    break;
                default:
                    buttonGroup->setOrientation(in.flag() ? Qt::Vertical : Qt::Horizontal);
                    break;
                }
            }
            break;
        case 12:
            if (QAbstractButton *button = buttons.choose(in)) {
                acting = button;
                switch (in.pick(3)) {
                case 0:
                    button->setChecked(in.flag());
                    break;
                case 1:
                    button->click();
                    break;
                default:
                    button->setVisible(in.flag());
                    break;
                }
                acting = nullptr;
            }
            break;
        case 13: {
            // A member deleted outright.
            switch (in.pick(3)) {
            case 0:
                delete cards.existing(in.pick(PoolSize));
                break;
            case 1:
                delete expanders.existing(in.pick(PoolSize));
                break;
            default:
                delete buttons.existing(in.pick(PoolSize));
                break;
            }
            break;
        }
        case 14:
            if (buttonGroup && in.pick(8) == 0) {
                delete buttonGroup;
            }
            break;
        default:
            if (buttonGroup) {
                buttonGroup->resize(in.range(0, 500), in.range(0, 100));
                buttonGroup->repaint();
            }
            break;
        }

        FUZZ_CHECK(cardGroup->getCardWidgets() == live(cardMembers));
        FUZZ_CHECK(expanderGroup->getExpanderWidgets() == live(expanderMembers));
        if (buttonGroup) {
            // Members deleted with the group are gone from the list as well.
            const QList<QAbstractButton *> members = buttonGroup->getButtons();
            FUZZ_CHECK(members == live(buttonMembers));
            int visible = 0;
            for (QAbstractButton *button : members) {
                const int index = button->property("Button_VisibleIndex").toInt();
                FUZZ_CHECK(index == (button->isVisible() ? visible : -1));
                visible += button->isVisible() ? 1 : 0;
            }
            if (!members.isEmpty()) {
                FUZZ_CHECK(buttonGroup->property("ButtonGroupWidget_VisibleCount").toInt() == visible);
            }
        } else {
            buttonMembers.clear();
        }
    }
    cardGroup.reset();
    expanderGroup.reset();
    window.reset();
    flushDeferredDeletes();
    return 0;
}
