// SPDX-License-Identifier: MIT
// The pop-up tool buttons and the colour button driven through their menus and menu widgets: widgets set,
// replaced and resized, menus replaced and deleted, also while the menu or dialog is shown (steps run from inside
// the menu's or dialog's own event loop), group members added, checked and removed, tool-bar orientation changes,
// colour dialog modes (also out of range), colours and presses anywhere on the buttons.
//
// Invariants after every step: a pop-up button whose menu widget was set last to w has a menu holding exactly one
// action, which shows w while w lives; the group pop-up's menu shows its button group; the colour button carries a
// menu exactly in Popup mode, and its colorChanged signals report the colour its getter gives.
#include "FuzzInput.h"

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ToolButtonGroupPopUp.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QWidgetAction>

#include <functional>
#include <memory>

using namespace Nalu::Components;
using namespace NaluFuzz;

namespace {

// The steps of one input at most. Most inputs the fuzzer keeps run to the cap, so it sets the cost of an execution;
// 20 steps still reach every kind of step and event; what a shorter input gives up is long sequences of them.
constexpr int MaxSteps = 20;

// Closes every pop-up and modal window, so that a nested event loop returns.
void closeShown()
{
    for (int guard = 0; guard < 8; ++guard) {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (QWidget *modal = QApplication::activeModalWidget()) {
            modal->close();
        } else {
            break;
        }
    }
}

QWidgetAction *onlyWidgetAction(const QMenu *menu)
{
    return menu && menu->actions().count() == 1 ? qobject_cast<QWidgetAction *>(menu->actions().constFirst()) : nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    auto window = std::make_unique<QWidget>();
    QToolBar *toolBar = in.flag() ? new QToolBar(window.get()) : nullptr;
    QWidget *parent = toolBar ? static_cast<QWidget *>(toolBar) : window.get();
    QPointer<ToolButtonPopUp> popUp = new ToolButtonPopUp(parent);
    QPointer<ToolButtonGroupPopUp> groupPopUp = new ToolButtonGroupPopUp(parent);
    QPointer<ColorButton> colorButton = new ColorButton(parent);
    if (toolBar) {
        toolBar->addWidget(popUp);
        toolBar->addWidget(groupPopUp);
    }
    if (in.flag()) {
        window->show();
    }
    QPointer<QLabel> menuWidget; // what popUp's menu widget was set to last
    bool menuReplaced = false; // popUp's menu deleted or replaced from outside since
    QColor signalled = colorButton->getColor();
    QObject::connect(colorButton, &ColorButton::colorChanged, [&](const QColor &color) { signalled = color; });
    QList<QPointer<QAbstractButton>> members;

    // One step; `shown` when it runs while a menu or dialog is open.
    std::function<void(bool)> act = [&](bool shown) {
        switch (in.pick(16)) {
        case 0:
            if (popUp) {
                QLabel *widget = nullptr; // a null widget is ignored
                if (in.pick(4) != 0) {
                    widget = in.flag() && menuWidget ? menuWidget.data() : new QLabel(in.text());
                }
                popUp->setMenuWidget(widget);
                if (widget) {
                    menuWidget = widget;
                    menuReplaced = false;
                }
            }
            break;
        case 1:
            // The menu widget changes its size hint, also while the menu is shown. It is not deleted: its action owns
            // it, and a QMenu keeps a plain pointer to the default widget of each QWidgetAction it holds, so showing
            // or sizing the menu after that deletion reads freed memory. A plain QToolButton whose QMenu holds a
            // QWidgetAction crashes the same way (Qt 5.15 and 6.4), with no component involved.
            if (menuWidget) {
                menuWidget->setText(in.flag() ? QString() : in.text().repeated(in.range(1, 64)));
                menuWidget->setMinimumSize(in.range(0, 400), in.range(0, 400));
                menuWidget->setVisible(in.pick(4) != 0);
            }
            break;
        case 2:
            if (popUp && popUp->menu()) {
                delete popUp->menu();
                menuReplaced = true;
            }
            break;
        case 3:
            if (popUp) {
                popUp->setMenu(in.flag() ? new QMenu(popUp) : nullptr);
                menuReplaced = true;
            }
            break;
        case 4:
            if (groupPopUp) {
                switch (in.pick(4)) {
                case 0: {
                    auto *button = new QToolButton;
                    button->setText(in.text());
                    button->setCheckable(in.flag());
                    groupPopUp->addButton(button);
                    members.append(button);
                    break;
                }
                case 1:
                    if (!members.isEmpty()) {
                        QAbstractButton *button = members.at(in.pick(members.count()));
                        groupPopUp->removeButton(button);
                        if (button && !button->parent()) {
                            button->setParent(window.get());
                        }
                    }
                    break;
                case 2:
                    groupPopUp->setExclusive(in.flag());
                    break;
                default:
                    if (!members.isEmpty()) {
                        if (QAbstractButton *button = members.at(in.pick(members.count()))) {
                            button->setChecked(in.flag());
                        }
                    }
                    break;
                }
            }
            break;
        case 5:
            if (!members.isEmpty()) {
                delete members.at(in.pick(members.count())).data();
            }
            break;
        case 6:
            if (toolBar) {
                toolBar->setOrientation(in.flag() ? Qt::Vertical : Qt::Horizontal);
            }
            break;
        case 7:
            if (colorButton) {
                colorButton->setColorDialogMode(ColorButton::ColorDialogMode(in.range(0, 3)));
            }
            break;
        case 8:
            if (colorButton) {
                const QColor color = in.flag() ? QColor() : QColor(in.byte(), in.byte(), in.byte(), in.byte());
                colorButton->setColor(color);
                colorButton->setAlphaChannelEnabled(in.flag());
                colorButton->setDrawAlphaChannelChessboard(in.flag());
            }
            break;
        case 9:
            if (colorButton && colorButton->menu()) {
                if (in.flag()) {
                    delete colorButton->menu();
                } else if (!shown) {
                    colorButton->menu()->popup(colorButton->mapToGlobal(QPoint()));
                }
            }
            break;
        case 10: {
            // Shows a menu without blocking; the following steps run while it is open.
            QToolButton *button = in.flag() ? static_cast<QToolButton *>(popUp.data()) : groupPopUp.data();
            if (button && button->menu() && !shown) {
                button->menu()->popup(button->mapToGlobal(QPoint(0, button->height())));
            }
            break;
        }
        case 11:
            if (popUp) {
                popUp->setDrawPopUpIndicator(in.flag());
                popUp->setCheckable(in.flag());
                popUp->resize(in.range(0, 80), in.range(0, 80));
            }
            break;
        case 12:
        case 13:
            // A press that opens a menu or a modal dialog runs its own event loop: the next steps run inside it.
            if (!shown) {
                QWidget *target = nullptr;
                switch (in.pick(3)) {
                case 0:
                    target = popUp;
                    break;
                case 1:
                    target = groupPopUp;
                    break;
                default:
                    target = colorButton;
                    break;
                }
                if (target) {
                    const QPoint point = in.pointIn(target);
                    const int inner = in.pick(3);
                    QTimer::singleShot(0, window.get(), [&act, inner] {
                        for (int i = 0; i < inner; ++i) {
                            act(true);
                        }
                        closeShown();
                    });
                    QPointer<QWidget> guard(target);
                    sendMouse(target, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
                    if (guard) {
                        sendMouse(target, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
                    }
                }
            }
            break;
        case 14:
            switch (in.pick(8)) {
            case 0:
                delete popUp;
                break;
            case 1:
                delete groupPopUp;
                break;
            case 2:
                delete colorButton;
                break;
            default:
                break;
            }
            break;
        default:
            closeShown();
            break;
        }
    };

    for (int step = 0; step < MaxSteps && !in.atEnd(); ++step) {
        act(false);
        closeShown();
        if (popUp && menuWidget && !menuReplaced) {
            const QWidgetAction *action = onlyWidgetAction(popUp->menu());
            FUZZ_CHECK(action && action->defaultWidget() == menuWidget);
        }
        if (groupPopUp) {
            // The group lives in the menu unless the menu was replaced or deleted from outside, which no step does.
            const QWidgetAction *action = onlyWidgetAction(groupPopUp->menu());
            FUZZ_CHECK(action && qobject_cast<ButtonGroupWidget *>(action->defaultWidget()));
        }
        if (colorButton) {
            FUZZ_CHECK(signalled == colorButton->getColor());
            const bool popupMode = colorButton->getColorDialogMode() == ColorButton::Popup;
            FUZZ_CHECK(!colorButton->menu() || popupMode);
        }
    }
    closeShown();
    window.reset();
    flushDeferredDeletes();
    return 0;
}
