// SPDX-License-Identifier: MIT

// What the keyboard alone can do with the components: keys go through the window system, as a user's
// do, so that shortcuts, pop-ups and the focus chain take part.

#include "AccessibleEventRecorder.h"
#include "KeyboardSupport.h"
#include "TestSupport.h"

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/CascadingListViewPanelPreview.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/ToolButtonGroupPopUp.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>

#include <QApplication>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

Q_IMPORT_PLUGIN(AccessibleEventRecorderPlugin)

namespace Components = Nalu::Components;
using Components::RangeSlider;
using namespace KeyboardSupport;

namespace {

// A window whose widgets are laid out top to bottom in the order they are added.
struct Window
{
    Window()
    {
        new QVBoxLayout(&widget);
        widget.resize(360, 480);
    }

    template<typename T>
    T *add(T *child, const char *name)
    {
        child->setObjectName(QLatin1String(name));
        widget.layout()->addWidget(child);
        return child;
    }

    // Shows the window with the focus on the widget named "before", if there is one.
    bool show()
    {
        widget.show();
        widget.activateWindow();
        if (!QTest::qWaitForWindowActive(&widget)) {
            return false;
        }
        if (auto *before = widget.findChild<QWidget *>(QStringLiteral("before"))) {
            before->setFocus();
        }
        return true;
    }

    QWidget widget;
};

// The names of the widgets Tab (or Shift+Tab) gives the focus to, one per press.
QStringList tabs(int count, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QStringList stops;
    for (int i = 0; i < count; ++i) {
        press(Qt::Key_Tab, modifiers);
        stops << nameOf(focus());
    }
    return stops;
}

} // namespace

class tst_Keyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void tabAndKeysFoldHeadersAndCheckCards();
    void hoverShortcutsYieldToAFocusedHeader();
    void sliderKeysMoveTheCurrentHandle_data();
    void sliderKeysMoveTheCurrentHandle();
    void tabWalksTheHandles();
    void sliderPopupByKeyboard();
    void groupPopUpByKeyboard_data();
    void groupPopUpByKeyboard();
    void popUpMenuKeepsTabInside();
    void colourButtonActionsOpen();
    void tabReachesPartsMadeLater();
};

void tst_Keyboard::cleanup()
{
    AccessibleEventRecorder::events().clear();
}

void tst_Keyboard::tabAndKeysFoldHeadersAndCheckCards()
{
    Window w;
    w.add(new QLineEdit, "before");
    auto *expander = w.add(new Components::ExpanderWidget(QStringLiteral("General"), nullptr), "expander");
    auto *plain = w.add(new Components::CardWidget(QStringLiteral("Plain card"), nullptr), "plain");
    plain->setContentsWidget(new QLabel(QStringLiteral("Nothing to do")));
    auto *card = w.add(new Components::CardWidget(QStringLiteral("Viewer"), nullptr), "card");
    card->setContentsWidget(new QLabel(QStringLiteral("Version 2")));
    card->setCheckable(true);
    w.add(new QLineEdit, "after");
    // Placed after the rest of the window exists: Tab still reaches it right after its header.
    auto *inside = new QLineEdit;
    inside->setObjectName(QStringLiteral("inside"));
    expander->setContentsWidget(inside);
    auto *header = expander->findChild<Components::CardWidgetBaseHeader *>();
    header->setObjectName(QStringLiteral("header"));
    QVERIFY(w.show());

    QCOMPARE(tabs(1), QStringList(QStringLiteral("header")));
    // With a modifier the key may be a shortcut of the window: the header leaves it.
    press(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(expander->isExpanded());
    const QImage focused = header->grab().toImage();
    QCOMPARE(tabs(1), QStringList(QStringLiteral("inside")));
    // The style's focus frame was drawn while the header had the focus.
    QVERIFY(header->grab().toImage() != focused);

    // Folding from inside the contents leaves the focus on the header; folded contents and a card that
    // is not checkable are out of the chain.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Space);
    QVERIFY(!expander->isExpanded());
    QCOMPARE(nameOf(focus()), QStringLiteral("header"));
    QCOMPARE(tabs(1), QStringList(QStringLiteral("card")));
    auto *frame = w.widget.findChild<QFocusFrame *>();
    QVERIFY(frame && frame->isVisible());
    press(Qt::Key_Space);
    QVERIFY(card->isChecked());
    press(Qt::Key_Space);
    QVERIFY(!card->isChecked());
    QCOMPARE(tabs(1), QStringList(QStringLiteral("after")));
    QVERIFY(!frame->isVisible());
    QCOMPARE(tabs(2, Qt::ShiftModifier), QStringList({QStringLiteral("card"), QStringLiteral("header")}));
    press(Qt::Key_Enter);
    QVERIFY(expander->isExpanded());
    QCOMPARE(tabs(1), QStringList(QStringLiteral("inside")));

    expander->collapse();
    QCOMPARE(nameOf(focus()), QStringLiteral("header"));
    // A header that stops folding, and a card that stops being checkable, give the focus up.
    expander->setExpandable(false);
    QCOMPARE(header->focusPolicy(), Qt::NoFocus);
    QCOMPARE(plain->focusPolicy(), Qt::NoFocus);
    card->setCheckable(false);
    QCOMPARE(card->focusPolicy(), Qt::NoFocus);
}

void tst_Keyboard::hoverShortcutsYieldToAFocusedHeader()
{
    Window w;
    auto *button = w.add(new QPushButton(QStringLiteral("Elsewhere")), "button");
    auto *expander = w.add(new Components::ExpanderWidget(QStringLiteral("General"), nullptr), "expander");
    expander->setContentsWidget(new QLabel(QStringLiteral("Contents")));
    auto *header = expander->findChild<Components::CardWidgetBaseHeader *>();
    auto *focused = w.add(new Components::ExpanderWidget(QStringLiteral("Display"), nullptr), "focused");
    focused->setContentsWidget(new QLabel(QStringLiteral("Contents")));
    QVERIFY(w.show());
    button->setFocus();
    QVERIFY(TestSupport::hoverCentre(w.widget, header));
    // As documented: the keys fold the header under the pointer, wherever the focus is.
    press(Qt::Key_Space);
    QVERIFY(!expander->isExpanded());
    QCOMPARE(focus(), button);

    // Except when another header has the focus: that one takes its keys.
    focused->findChild<Components::CardWidgetBaseHeader *>()->setFocus();
    QTRY_VERIFY(header->underMouse());
    press(Qt::Key_Space);
    QVERIFY(!focused->isExpanded());
    QVERIFY(!expander->isExpanded());
}

void tst_Keyboard::sliderKeysMoveTheCurrentHandle_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("maximumHandle");
    QTest::addColumn<QByteArray>("direction"); // "rtl": right to left, "inverted": inverted controls
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("expectedLow");
    QTest::addColumn<int>("expectedHigh");

    // Range 0 to 100, single step 1, page step 10.
    const auto row = [](const char *tag, int key, bool maximumHandle, const char *direction, int low, int high,
                        int expectedLow, int expectedHigh) {
        QTest::newRow(tag) << key << maximumHandle << QByteArray(direction) << low << high << expectedLow
                           << expectedHigh;
    };
    row("right", Qt::Key_Right, false, "", 20, 80, 21, 80);
    row("left", Qt::Key_Left, false, "", 20, 80, 19, 80);
    row("up", Qt::Key_Up, false, "", 20, 80, 21, 80);
    row("down", Qt::Key_Down, true, "", 20, 80, 20, 79);
    row("page up", Qt::Key_PageUp, true, "", 20, 80, 20, 90);
    row("page down", Qt::Key_PageDown, false, "", 20, 80, 10, 80);
    row("page down to the bound", Qt::Key_PageDown, false, "", 5, 80, 0, 80);
    row("home", Qt::Key_Home, false, "", 20, 80, 0, 80);
    row("end", Qt::Key_End, true, "", 20, 80, 20, 100);
    // The handles never cross, and nothing moves past the bounds: no signals either.
    row("end stops at the maximum", Qt::Key_End, false, "", 20, 80, 80, 80);
    row("home stops at the minimum", Qt::Key_Home, true, "", 20, 80, 20, 20);
    row("nothing past the bound", Qt::Key_Right, true, "", 20, 100, 20, 100);
    // From right to left the horizontal arrows turn round, as the minimum lies on the right; inverted
    // controls turn all the arrows round, and both together turn them back.
    row("right, right to left", Qt::Key_Right, false, "rtl", 20, 80, 19, 80);
    row("left, right to left", Qt::Key_Left, true, "rtl", 20, 80, 20, 81);
    row("up, right to left", Qt::Key_Up, true, "rtl", 20, 80, 20, 81);
    row("right, inverted", Qt::Key_Right, false, "inverted", 20, 80, 19, 80);
    row("up, inverted", Qt::Key_Up, true, "inverted", 20, 80, 20, 79);
    row("left, right to left and inverted", Qt::Key_Left, false, "rtl inverted", 20, 80, 19, 80);
}

void tst_Keyboard::sliderKeysMoveTheCurrentHandle()
{
    QFETCH(int, key);
    QFETCH(bool, maximumHandle);
    QFETCH(QByteArray, direction);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, expectedLow);
    QFETCH(int, expectedHigh);

    Window w;
    auto *slider = w.add(new RangeSlider, "slider");
    slider->setLayoutDirection(direction.contains("rtl") ? Qt::RightToLeft : Qt::LeftToRight);
    slider->setInvertedControls(direction.contains("inverted"));
    slider->setRange(0, 100);
    slider->setPageStep(10);
    slider->setSliderRange(low, high);
    slider->setKeyboardHandles(true);
    QVERIFY(w.show());
    slider->setFocus(Qt::TabFocusReason);
    QCOMPARE(slider->getCurrentHandle(), RangeSlider::MinimumHandle);
    if (maximumHandle) {
        press(Qt::Key_Tab);
        QCOMPARE(focus(), slider);
        QCOMPARE(slider->getCurrentHandle(), RangeSlider::MaximumHandle);
    }
    TestSupport::SignalLog log;
    log.record(slider, &QAbstractSlider::sliderPressed, QStringLiteral("pressed"));
    log.record(slider, &RangeSlider::sliderRangeChanged, QStringLiteral("range"));
    log.record(slider, &RangeSlider::minHandleValueChanged, QStringLiteral("min"));
    log.record(slider, &RangeSlider::maxHandleValueChanged, QStringLiteral("max"));
    log.record(slider, &QAbstractSlider::sliderReleased, QStringLiteral("released"));
    const int base = slider->value();
    press(key);
    QCOMPARE(slider->getMinHandleValue(), expectedLow);
    QCOMPARE(slider->getMaxHandleValue(), expectedHigh);
    QCOMPARE(slider->value(), base);
    // The signals of a drag by one step.
    QStringList expected;
    if (expectedLow != low || expectedHigh != high) {
        expected << QStringLiteral("pressed") << QStringLiteral("range %1 %2").arg(expectedLow).arg(expectedHigh)
                 << (expectedLow != low ? QStringLiteral("min %1").arg(expectedLow)
                                        : QStringLiteral("max %1").arg(expectedHigh))
                 << QStringLiteral("released");
    }
    QCOMPARE(QStringList(log), expected);
}

void tst_Keyboard::tabWalksTheHandles()
{
    Window w;
    w.add(new QLineEdit, "before");
    auto *slider = w.add(new RangeSlider, "slider");
    slider->setSliderRange(20, 80);
    w.add(new QLineEdit, "after");
    QVERIFY(w.show());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(slider);

    // Without keyboard handles the slider is one stop, whose keys are a QSlider's.
    QCOMPARE(tabs(1), QStringList(QStringLiteral("slider")));
    QVERIFY(!iface->focusChild());
    press(Qt::Key_End);
    QCOMPARE(slider->value(), slider->maximum());
    QCOMPARE(slider->getMinHandleValue(), 20);
    QCOMPARE(tabs(1), QStringList(QStringLiteral("after")));

    slider->setKeyboardHandles(true);
    AccessibleEventRecorder::events().clear();
    QStringList walk;
    w.widget.findChild<QWidget *>(QStringLiteral("before"))->setFocus();
    for (const auto modifiers :
         {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ShiftModifier, Qt::ShiftModifier}) {
        press(Qt::Key_Tab, modifiers);
        walk << nameOf(focus());
        if (focus() == slider) {
            // A screen reader is told which handle has the focus.
            QAccessibleInterface *current = iface->focusChild();
            walk.last() += slider->getCurrentHandle() == RangeSlider::MinimumHandle ? QStringLiteral(" min")
                                                                                    : QStringLiteral(" max");
            walk.last() += current && current->state().focused ? QStringLiteral(" %1").arg(iface->indexOfChild(current))
                                                               : QStringLiteral(" (no accessible focus)");
        }
    }
    QCOMPARE(walk.join(QLatin1String(", ")),
             QStringLiteral("slider min 0, slider max 1, after, slider max 1, slider min 0, before"));
    QStringList focusEvents = AccessibleEventRecorder::events().filter(QStringLiteral("slider focus["));
    QCOMPARE(focusEvents.join(QLatin1String(", ")),
             QStringLiteral("slider focus[0]:Minimum, slider focus[1]:Maximum, slider focus[1]:Maximum, "
                            "slider focus[0]:Minimum"));

    // The focus frame is drawn around the current handle only.
    const auto around = [&](const QImage &image, int child) {
        const QRect handle = iface->child(child)->rect();
        return image.copy(QRect(slider->mapFromGlobal(handle.topLeft()), handle.size()).adjusted(-3, -3, 3, 3));
    };
    const QImage unfocused = slider->grab().toImage();
    slider->setFocus(Qt::TabFocusReason);
    const QImage onMinimum = slider->grab().toImage();
    press(Qt::Key_Tab);
    const QImage onMaximum = slider->grab().toImage();
    QVERIFY(around(onMinimum, 0) != around(unfocused, 0));
    QCOMPARE(around(onMinimum, 1), around(unfocused, 1));
    QVERIFY(around(onMaximum, 1) != around(unfocused, 1));
    QCOMPARE(around(onMaximum, 0), around(unfocused, 0));
}

void tst_Keyboard::sliderPopupByKeyboard()
{
    Window w;
    auto *slider = w.add(new RangeSlider, "slider");
    slider->setRange(0, 100);
    slider->setSliderRange(20, 80);
    slider->setKeyboardHandles(true);
    QVERIFY(w.show());
    slider->setFocus(Qt::TabFocusReason);

    press(Qt::Key_Return);
    auto *spin = qobject_cast<QSpinBox *>(focus());
    QVERIFY(spin && spin->window()->isVisible());
    QCOMPARE(spin->value(), 20);
    press(Qt::Key_4);
    press(Qt::Key_2);
    press(Qt::Key_Return);
    QCOMPARE(slider->getMinHandleValue(), 42);
    QTRY_VERIFY(!spin->window()->isVisible());
    QCOMPARE(focus(), slider);

    // Escape leaves the value as it was.
    press(Qt::Key_Tab);
    press(Qt::Key_Enter);
    spin = qobject_cast<QSpinBox *>(focus());
    QVERIFY(spin);
    QCOMPARE(spin->value(), 80);
    press(Qt::Key_9);
    press(Qt::Key_Escape);
    QTRY_VERIFY(!spin->window()->isVisible());
    QCOMPARE(slider->getMaxHandleValue(), 80);
    QCOMPARE(focus(), slider);

    // The pointer's pop-up is a tool tip again.
    QTRY_VERIFY(spin->window()->windowFlags().testFlag(Qt::ToolTip));
    slider->setCanShowInputPopups(false);
    press(Qt::Key_Return);
    QCOMPARE(focus(), slider);
    QVERIFY(!spin->window()->isVisible());
}

void tst_Keyboard::groupPopUpByKeyboard_data()
{
    QTest::addColumn<bool>("split");
    QTest::newRow("plain") << false;
    QTest::newRow("split") << true;
}

void tst_Keyboard::groupPopUpByKeyboard()
{
    QFETCH(bool, split);
    Window w;
    auto *popUp = w.add(new Components::ToolButtonGroupPopUp, "popup");
    popUp->setExclusive(true);
    popUp->setDrawPopUpIndicator(split);
    for (const char *name : {"Play", "Pause", "Stop"}) {
        auto *choice = new QToolButton;
        choice->setText(QLatin1String(name));
        choice->setObjectName(QLatin1String(name));
        popUp->addButton(choice);
    }
    popUp->getButton(0)->setChecked(true);
    QVERIFY(w.show());
    popUp->setFocus(Qt::TabFocusReason);
    QSignalSpy clicked(popUp, &QToolButton::clicked);

    if (split) {
        // Space is the button part: a click, and no menu.
        QVERIFY(!pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [] {}).opened);
        QCOMPARE(clicked.count(), 1);
    }
    QString inMenu;
    bool stillOpen = true;
    const Opened choose
        = pressWhileOpen(split ? Qt::Key_Down : Qt::Key_Space, split ? Qt::AltModifier : Qt::NoModifier, [&] {
              inMenu = nameOf(focus());
              // In an exclusive group the arrows check the next button, as for
              // radio buttons; that closes the menu.
              press(Qt::Key_Right);
              stillOpen = QApplication::activePopupWidget() != nullptr;
          });
    QVERIFY(choose.opened);
    QCOMPARE(choose.unexpected, 0);
    QCOMPARE(inMenu, QStringLiteral("Play"));
    QVERIFY(!stillOpen);
    QVERIFY(popUp->getButton(1)->isChecked());
    QCOMPARE(popUp->text(), QStringLiteral("Pause"));
    QCOMPARE(focus(), popUp);

    // In a group that is not exclusive, or no longer, Tab and Space click the buttons and the menu stays (an
    // exclusive group, like radio buttons, keeps only its checked button in the Tab chain).
    popUp->setExclusive(false);
    QSignalSpy stopped(popUp->getButton(2), &QAbstractButton::clicked);
    const Opened click = pressWhileOpen(Qt::Key_F4, Qt::NoModifier, [&] {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Space);
        stillOpen = QApplication::activePopupWidget() != nullptr;
    });
    QVERIFY(click.opened);
    QCOMPARE(stopped.count(), 1);
    QVERIFY(stillOpen);
}

void tst_Keyboard::popUpMenuKeepsTabInside()
{
    Window w;
    auto *popUp = w.add(new Components::ToolButtonPopUp, "popup");
    auto *box = new QWidget;
    auto *layout = new QHBoxLayout(box);
    const QList<QPair<const char *, QWidget *>> parts = {{"edit", new QLineEdit},
                                                         {"slider", new QSlider(Qt::Horizontal)},
                                                         {"button", new QPushButton(QStringLiteral("Apply"))}};
    for (const auto &part : parts) {
        part.second->setObjectName(QLatin1String(part.first));
        layout->addWidget(part.second);
    }
    popUp->setMenuWidget(box);
    QVERIFY(w.show());
    popUp->setFocus(Qt::TabFocusReason);

    QStringList walk;
    const Opened menu = pressWhileOpen(Qt::Key_F4, Qt::NoModifier, [&] {
        walk << nameOf(focus()) << tabs(3) << tabs(1, Qt::ShiftModifier);
        press(Qt::Key_Escape);
        walk << (QApplication::activePopupWidget() ? QStringLiteral("open") : QStringLiteral("closed"));
    });
    QVERIFY(menu.opened);
    QCOMPARE(walk.join(QLatin1String(", ")), QStringLiteral("edit, slider, button, edit, button, closed"));
    QCOMPARE(focus(), popUp);
}

// What the colour button's first action opens for an assistive technology; in the menu the keyboard
// reaches the field of the colour's code.
void tst_Keyboard::colourButtonActionsOpen()
{
    Window w;
    auto *button = w.add(new Components::ColorButton(QColor(Qt::black)), "colour");
    QVERIFY(w.show());
    button->setFocus(Qt::TabFocusReason);
    QStringList opened; // each action, then what it opened
    bool stayedInside = false;
    bool reachedCode = false;
    for (const auto mode : {Components::ColorButton::Dialog, Components::ColorButton::Popup}) {
        button->setColorDialogMode(mode);
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
        QVERIFY(actions);
        opened << actions->actionNames().value(0);
        const int before = opened.size();
        const Opened result = whileOpen(
            [&] {
                actions->doAction(opened.last());
                // A press is a click a moment later, as a user's; the menu opens at once.
                if (!QTest::qWaitFor([&] { return opened.size() > before; }, 1000)) {
                    qWarning("nothing opened");
                }
            },
            [&] {
                QWidget *open = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                  : QApplication::activeModalWidget();
                opened << QString::fromLatin1(open->metaObject()->className());
                // Tab goes round the menu's colour dialog, never out of the menu, to the field of the code.
                stayedInside = mode == Components::ColorButton::Popup && focusComesInto(open);
                for (int i = 0; stayedInside && i < 60 && !reachedCode; ++i) {
                    auto *edit = qobject_cast<QLineEdit *>(focus());
                    reachedCode = edit && edit->text().startsWith(QLatin1Char('#'));
                    stayedInside = focus() && open->isAncestorOf(focus());
                    press(reachedCode ? Qt::Key_A : Qt::Key_Tab, reachedCode ? Qt::ControlModifier : Qt::NoModifier);
                }
                if (reachedCode) {
                    QTest::keyClicks(focus(), QStringLiteral("#ff0000"));
                }
            });
        QVERIFY(result.opened);
    }
    QCOMPARE(opened,
             QStringList({QAccessibleActionInterface::pressAction(), QStringLiteral("QColorDialog"),
                          QAccessibleActionInterface::showMenuAction(), QStringLiteral("QMenu")}));
    QVERIFY(stayedInside);
    QVERIFY(reachedCode);
    QCOMPARE(button->getColor(), QColor(Qt::red));
}

void tst_Keyboard::tabReachesPartsMadeLater()
{
    Window w;
    w.add(new QLineEdit, "before");
    QStandardItemModel model;
    TestSupport::addPaths(model, QStringLiteral("a/b/c d/e/f"));
    auto *view = w.add(new Components::CascadingListView(nullptr, nullptr), "view");
    auto *group = w.add(new Components::ButtonGroupWidget, "group");
    w.add(new QLineEdit, "after");
    // The panels are made with the model, and the group's members added, after the rest of the window.
    view->setModel(&model);
    int level = 3;
    for (auto *panel = view->findChild<Components::CascadingListViewPanel *>(); panel;
         panel = panel->getParentPanel()) {
        panel->setObjectName(QStringLiteral("panel%1").arg(--level));
    }
    view->findChild<Components::CascadingListViewPanelPreview *>()->setObjectName(QStringLiteral("preview"));
    for (const char *name : {"first", "second"}) {
        auto *member = new QPushButton(QLatin1String(name));
        member->setObjectName(QLatin1String(name));
        group->addButton(member);
    }
    QVERIFY(w.show());
    // Tab reaches the panels in their order, then the preview on their right, then the members in their order.
    QCOMPARE(tabs(7).join(QLatin1String(", ")),
             QStringLiteral("panel0, panel1, panel2, preview, first, second, after"));
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
