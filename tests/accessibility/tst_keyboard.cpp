// SPDX-License-Identifier: MIT

// What the keyboard alone can do with the components: keys go through the window system, as a user's
// do, so that shortcuts, pop-ups and the focus chain take part.

#include "AccessibleEventRecorder.h"
#include "KeyboardSupport.h"
#include "TestSupport.h"

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
#include <QColorDialog>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

Q_IMPORT_PLUGIN(AccessibleEventRecorderPlugin)

namespace Components = Nalu::Components;
using Components::RangeSlider;
using namespace KeyboardSupport;

namespace {

// Logs a range slider's signals, by name and values: "pressed", "range 20 80", "min 20", "max 80", "released".
void recordSignals(TestSupport::SignalLog &log, RangeSlider *slider)
{
    log.record(slider, &QAbstractSlider::sliderPressed, QStringLiteral("pressed"));
    log.record(slider, &RangeSlider::sliderRangeChanged, QStringLiteral("range"));
    log.record(slider, &RangeSlider::minHandleValueChanged, QStringLiteral("min"));
    log.record(slider, &RangeSlider::maxHandleValueChanged, QStringLiteral("max"));
    log.record(slider, &QAbstractSlider::sliderReleased, QStringLiteral("released"));
}

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

    bool show()
    {
        widget.show();
        widget.activateWindow();
        return QTest::qWaitForWindowActive(&widget);
    }

    QWidget widget;
};

} // namespace

class tst_Keyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void expandableHeaders_data();
    void expandableHeaders();
    void hoverShortcutsStay();
    void checkableCards();
    void sliderKeysStayQSlidersByDefault();
    void sliderKeys_data();
    void sliderKeys();
    void sliderKeysEmitWhatADragEmits();
    void tabWalksTheHandles();
    void sliderPopupByKeyboard();
    void groupPopUpByKeyboard_data();
    void groupPopUpByKeyboard();
    void popUpMenuKeepsTabInside();
    void colourMenuByKeyboard();
    void colourButtonOpens_data();
    void colourButtonOpens();
    void cascadeByKeyboard();
};

void tst_Keyboard::cleanup()
{
    AccessibleEventRecorder::events().clear();
}

void tst_Keyboard::expandableHeaders_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Enter);
    QTest::newRow("return") << int(Qt::Key_Return);
}

void tst_Keyboard::expandableHeaders()
{
    QFETCH(int, key);
    Window w;
    w.add(new QLineEdit, "before");
    auto *expander = w.add(new Components::ExpanderWidget(QStringLiteral("General"), nullptr), "expander");
    auto *card = w.add(new Components::CardWidget(QStringLiteral("Plain card"), nullptr), "card");
    card->setContentsWidget(new QLabel(QStringLiteral("Nothing to do")));
    w.add(new QLineEdit, "after");
    // Placed after the rest of the window exists: Tab still reaches it right after its header.
    auto *inside = new QLineEdit;
    inside->setObjectName(QStringLiteral("inside"));
    expander->setContentsWidget(inside);
    auto *header = expander->findChild<Components::CardWidgetBaseHeader *>();
    header->setObjectName(QStringLiteral("header"));
    QVERIFY(w.show());
    w.widget.findChild<QWidget *>(QStringLiteral("before"))->setFocus();

    press(Qt::Key_Tab);
    QCOMPARE(nameOf(focus()), QStringLiteral("header"));
    // With a modifier the key may be a shortcut of the window: the header leaves it.
    press(key, Qt::ControlModifier);
    QVERIFY(expander->isExpanded());
    const QImage focused = header->grab().toImage();
    press(Qt::Key_Tab);
    QCOMPARE(nameOf(focus()), QStringLiteral("inside"));
    // The style's focus frame was drawn while the header had the focus.
    QVERIFY(header->grab().toImage() != focused);

    // Folding from inside the contents leaves the focus on the header.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(key);
    QVERIFY(!expander->isExpanded());
    QCOMPARE(nameOf(focus()), QStringLiteral("header"));
    // Folded contents and a header that does not fold are out of the chain.
    press(Qt::Key_Tab);
    QCOMPARE(nameOf(focus()), QStringLiteral("after"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(nameOf(focus()), QStringLiteral("header"));
    press(key);
    QVERIFY(expander->isExpanded());
    press(Qt::Key_Tab);
    QCOMPARE(nameOf(focus()), QStringLiteral("inside"));

    inside->setFocus();
    expander->collapse();
    QCOMPARE(nameOf(focus()), QStringLiteral("header"));
    // A header that stops folding gives the focus up.
    expander->setExpandable(false);
    QCOMPARE(header->focusPolicy(), Qt::NoFocus);
}

void tst_Keyboard::hoverShortcutsStay()
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

void tst_Keyboard::checkableCards()
{
    Window w;
    w.add(new QLineEdit, "before");
    auto *plain = w.add(new Components::CardWidget(QStringLiteral("Plain"), nullptr), "plain");
    auto *card = w.add(new Components::CardWidget(QStringLiteral("Viewer"), nullptr), "card");
    card->setContentsWidget(new QLabel(QStringLiteral("Version 2")));
    card->setCheckable(true);
    w.add(new QLineEdit, "after");
    QVERIFY(w.show());
    w.widget.findChild<QWidget *>(QStringLiteral("before"))->setFocus();

    press(Qt::Key_Tab);
    QCOMPARE(nameOf(focus()), QStringLiteral("card"));
    auto *frame = w.widget.findChild<QFocusFrame *>();
    QVERIFY(frame && frame->isVisible());
    press(Qt::Key_Space);
    QVERIFY(card->isChecked());
    press(Qt::Key_Space);
    QVERIFY(!card->isChecked());
    press(Qt::Key_Tab);
    QCOMPARE(nameOf(focus()), QStringLiteral("after"));
    QVERIFY(!frame->isVisible());
    QCOMPARE(plain->focusPolicy(), Qt::NoFocus);
    card->setCheckable(false);
    QCOMPARE(card->focusPolicy(), Qt::NoFocus);
}

void tst_Keyboard::sliderKeysStayQSlidersByDefault()
{
    Window w;
    auto *slider = w.add(new RangeSlider, "slider");
    slider->setSliderRange(20, 80);
    QVERIFY(!slider->hasKeyboardHandles());
    QVERIFY(w.show());
    slider->setFocus();
    press(Qt::Key_Right);
    press(Qt::Key_End);
    QCOMPARE(slider->value(), slider->maximum());
    QCOMPARE(slider->getMinHandleValue(), 20);
    QCOMPARE(slider->getMaxHandleValue(), 80);
}

void tst_Keyboard::sliderKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("maximumHandle");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("expectedLow");
    QTest::addColumn<int>("expectedHigh");
    QTest::addColumn<bool>("rtl");

    // Range 0 to 100, single step 1, page step 10.
    QTest::newRow("right") << int(Qt::Key_Right) << false << 20 << 80 << 21 << 80 << false;
    QTest::newRow("left") << int(Qt::Key_Left) << false << 20 << 80 << 19 << 80 << false;
    QTest::newRow("up") << int(Qt::Key_Up) << false << 20 << 80 << 21 << 80 << false;
    QTest::newRow("down") << int(Qt::Key_Down) << true << 20 << 80 << 20 << 79 << false;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << true << 20 << 80 << 20 << 90 << false;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << false << 20 << 80 << 10 << 80 << false;
    QTest::newRow("page down to the bound") << int(Qt::Key_PageDown) << false << 5 << 80 << 0 << 80 << false;
    QTest::newRow("home") << int(Qt::Key_Home) << false << 20 << 80 << 0 << 80 << false;
    QTest::newRow("end") << int(Qt::Key_End) << true << 20 << 80 << 20 << 100 << false;
    // The handles never cross.
    QTest::newRow("end stops at the maximum") << int(Qt::Key_End) << false << 20 << 80 << 80 << 80 << false;
    QTest::newRow("home stops at the minimum") << int(Qt::Key_Home) << true << 20 << 80 << 20 << 20 << false;
    QTest::newRow("page up stops at the maximum") << int(Qt::Key_PageUp) << false << 75 << 80 << 80 << 80 << false;
    QTest::newRow("nothing past the other") << int(Qt::Key_Right) << false << 50 << 50 << 50 << 50 << false;
    // From right to left the horizontal arrows turn round, as the minimum lies on the right.
    QTest::newRow("right, right to left") << int(Qt::Key_Right) << false << 20 << 80 << 19 << 80 << true;
    QTest::newRow("left, right to left") << int(Qt::Key_Left) << true << 20 << 80 << 20 << 81 << true;
    QTest::newRow("up, right to left") << int(Qt::Key_Up) << true << 20 << 80 << 20 << 81 << true;
    QTest::newRow("nothing past the bound") << int(Qt::Key_Right) << true << 20 << 100 << 20 << 100 << false;
}

void tst_Keyboard::sliderKeys()
{
    QFETCH(int, key);
    QFETCH(bool, maximumHandle);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, expectedLow);
    QFETCH(int, expectedHigh);
    QFETCH(bool, rtl);

    Window w;
    auto *slider = w.add(new RangeSlider, "slider");
    slider->setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
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
    recordSignals(log, slider);
    const int base = slider->value();
    press(key);
    QCOMPARE(slider->getMinHandleValue(), expectedLow);
    QCOMPARE(slider->getMaxHandleValue(), expectedHigh);
    QCOMPARE(slider->value(), base);

    QStringList expected;
    if (expectedLow != low || expectedHigh != high) {
        expected << QStringLiteral("pressed") << QStringLiteral("range %1 %2").arg(expectedLow).arg(expectedHigh);
        if (expectedLow != low) {
            expected << QStringLiteral("min %1").arg(expectedLow);
        }
        if (expectedHigh != high) {
            expected << QStringLiteral("max %1").arg(expectedHigh);
        }
        expected << QStringLiteral("released");
    }
    QCOMPARE(QStringList(log), expected);

    // Mirrored for a layout from right to left, and turned round by inverted controls.
    if (!rtl && (key == Qt::Key_Right || key == Qt::Key_Up)) {
        slider->setSliderRange(low, high);
        slider->setLayoutDirection(key == Qt::Key_Right ? Qt::RightToLeft : Qt::LeftToRight);
        slider->setInvertedControls(key == Qt::Key_Up);
        press(key);
        const int moved = (maximumHandle ? slider->getMaxHandleValue() : slider->getMinHandleValue());
        QCOMPARE(moved, (maximumHandle ? high : low) - 1);
    }
}

void tst_Keyboard::sliderKeysEmitWhatADragEmits()
{
    Window w;
    auto *slider = w.add(new RangeSlider, "slider");
    slider->setRange(0, 100);
    slider->setSliderRange(20, 80);
    slider->setKeyboardHandles(true);
    QVERIFY(w.show());

    TestSupport::SignalLog log;
    recordSignals(log, slider);
    // Where the minimum handle is, as the slider tells assistive technologies.
    const QPoint handle
        = slider->mapFromGlobal(QAccessible::queryAccessibleInterface(slider)->child(0)->rect().center());
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    const QPoint to = handle + QPoint(30, 0);
    QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
    const QStringList drag = log;
    QVERIFY2(drag.size() == 4, qPrintable(drag.join(QLatin1String(", "))));
    log.clear();

    slider->setFocus();
    press(Qt::Key_Left);
    const QStringList key = log;
    // The same signals in the same order, the values apart.
    const auto kinds = [](QStringList list) {
        for (QString &entry : list) {
            entry = entry.section(QLatin1Char(' '), 0, 0);
        }
        return list;
    };
    QCOMPARE(kinds(key), kinds(drag));
}

void tst_Keyboard::tabWalksTheHandles()
{
    Window w;
    w.add(new QLineEdit, "before");
    auto *slider = w.add(new RangeSlider, "slider");
    w.add(new QLineEdit, "after");
    QVERIFY(w.show());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(slider);

    // Without keyboard handles the slider is one stop.
    w.widget.findChild<QWidget *>(QStringLiteral("before"))->setFocus();
    press(Qt::Key_Tab);
    QCOMPARE(focus(), slider);
    QVERIFY(!iface->focusChild());
    press(Qt::Key_Tab);
    QCOMPARE(nameOf(focus()), QStringLiteral("after"));

    slider->setKeyboardHandles(true);
    AccessibleEventRecorder::events().clear();
    QStringList walk;
    const auto step = [&](Qt::KeyboardModifiers modifiers) {
        press(Qt::Key_Tab, modifiers);
        QString stop = nameOf(focus());
        if (focus() == slider) {
            stop += slider->getCurrentHandle() == RangeSlider::MinimumHandle ? QStringLiteral(" min")
                                                                             : QStringLiteral(" max");
            // A screen reader is told which handle has the focus.
            QAccessibleInterface *current = iface->focusChild();
            if (!current || !current->state().focused
                || iface->indexOfChild(current) != (stop.endsWith(QLatin1String("max")) ? 1 : 0)) {
                stop += QStringLiteral(" (wrong accessible focus)");
            }
        }
        walk << stop;
    };
    w.widget.findChild<QWidget *>(QStringLiteral("before"))->setFocus();
    for (int i = 0; i < 3; ++i) {
        step(Qt::NoModifier);
    }
    for (int i = 0; i < 3; ++i) {
        step(Qt::ShiftModifier);
    }
    QCOMPARE(walk,
             QStringList({QStringLiteral("slider min"), QStringLiteral("slider max"), QStringLiteral("after"),
                          QStringLiteral("slider max"), QStringLiteral("slider min"), QStringLiteral("before")}));
    QStringList focusEvents;
    for (const RecordedAccessibleEvent &event : AccessibleEventRecorder::events()) {
        if (event.type == QAccessible::Focus && event.object == slider && event.child >= 0) {
            focusEvents << event.name;
        }
    }
    QCOMPARE(focusEvents,
             QStringList({QStringLiteral("Minimum"), QStringLiteral("Maximum"), QStringLiteral("Maximum"),
                          QStringLiteral("Minimum")}));

    // The focus frame is drawn around the current handle only.
    const auto around = [&](int child) {
        const QRect handle = iface->child(child)->rect();
        return QRect(slider->mapFromGlobal(handle.topLeft()), handle.size()).adjusted(-3, -3, 3, 3);
    };
    const QImage unfocused = slider->grab().toImage();
    slider->setFocus(Qt::TabFocusReason);
    const QImage onMinimum = slider->grab().toImage();
    press(Qt::Key_Tab);
    const QImage onMaximum = slider->grab().toImage();
    QVERIFY(onMinimum.copy(around(0)) != unfocused.copy(around(0)));
    QCOMPARE(onMinimum.copy(around(1)), unfocused.copy(around(1)));
    QVERIFY(onMaximum.copy(around(1)) != unfocused.copy(around(1)));
    QCOMPARE(onMaximum.copy(around(0)), unfocused.copy(around(0)));
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
    QVERIFY(spin);
    QVERIFY(spin->window()->isVisible());
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
        const Opened none = pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [] {});
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!none.opened);
    }
    {
        QString inMenu;
        bool stillOpen = true;
        const Opened choose = pressWhileOpen(split ? int(Qt::Key_Down) : int(Qt::Key_Space),
                                             split ? Qt::AltModifier : Qt::NoModifier, [&] {
                                                 inMenu = nameOf(focus());
                                                 // In an exclusive group the arrows check the next button, as for
                                                 // radio buttons; that closes the menu.
                                                 press(Qt::Key_Right);
                                                 stillOpen = QApplication::activePopupWidget() != nullptr;
                                             });
        QVERIFY(choose.opened);
        QCOMPARE(inMenu, QStringLiteral("Play"));
        QVERIFY(!stillOpen);
        QVERIFY(popUp->getButton(1)->isChecked());
        QCOMPARE(popUp->text(), QStringLiteral("Pause"));
        QCOMPARE(focus(), popUp);
        QCOMPARE(choose.unexpected, 0);
    }

    // In a group that is not exclusive, or no longer, Tab and Space click the buttons and the menu stays (an
    // exclusive group, like radio buttons, keeps only its checked button in the Tab chain).
    popUp->setExclusive(false);
    QSignalSpy stopped(popUp->getButton(2), &QAbstractButton::clicked);
    bool stillOpen = false;
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
    const Opened tabs = pressWhileOpen(Qt::Key_F4, Qt::NoModifier, [&] {
        walk << nameOf(focus());
        for (int i = 0; i < 3; ++i) {
            press(Qt::Key_Tab);
            walk << nameOf(focus());
        }
        press(Qt::Key_Tab, Qt::ShiftModifier);
        walk << nameOf(focus());
        press(Qt::Key_Escape);
        walk << (QApplication::activePopupWidget() ? QStringLiteral("open") : QStringLiteral("closed"));
    });
    QVERIFY(tabs.opened);
    QCOMPARE(walk,
             QStringList({QStringLiteral("edit"), QStringLiteral("slider"), QStringLiteral("button"),
                          QStringLiteral("edit"), QStringLiteral("button"), QStringLiteral("closed")}));
    QCOMPARE(focus(), popUp);
}

void tst_Keyboard::colourMenuByKeyboard()
{
    Window w;
    auto *button = w.add(new Components::ColorButton(QColor(Qt::black)), "colour");
    button->setColorDialogMode(Components::ColorButton::Popup);
    QVERIFY(w.show());
    button->setFocus(Qt::TabFocusReason);

    bool stayedInside = false;
    bool reachedCode = false;
    const Opened choose = pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [&] {
        QWidget *menu = QApplication::activePopupWidget();
        stayedInside = focusComesInto(menu);
        // Tab goes round the dialog's controls, never out of the menu, and reaches the field of the colour's code.
        for (int i = 0; i < 60 && !reachedCode; ++i) {
            auto *edit = qobject_cast<QLineEdit *>(focus());
            reachedCode = edit && edit->text().startsWith(QLatin1Char('#'));
            stayedInside = stayedInside && focus() && menu->isAncestorOf(focus());
            if (!reachedCode) {
                press(Qt::Key_Tab);
            }
        }
        if (reachedCode) {
            press(Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(focus(), QStringLiteral("#ff0000"));
        }
    });
    QVERIFY(choose.opened);
    QVERIFY(stayedInside);
    QVERIFY(reachedCode);
    QCOMPARE(button->getColor(), QColor(Qt::red));
}

void tst_Keyboard::colourButtonOpens_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("action"); // empty: Space instead
    QTest::addColumn<QString>("opened");

    using Actions = QAccessibleActionInterface;
    const QString dialog = QStringLiteral("QColorDialog");
    QTest::newRow("dialog, Space") << int(Components::ColorButton::Dialog) << QString() << dialog;
    QTest::newRow("dialog, press action") << int(Components::ColorButton::Dialog) << Actions::pressAction() << dialog;
    QTest::newRow("menu, show-menu action")
        << int(Components::ColorButton::Popup) << Actions::showMenuAction() << QStringLiteral("QMenu");
}

// What the colour button opens, from the keyboard and for an assistive technology.
void tst_Keyboard::colourButtonOpens()
{
    QFETCH(int, mode);
    QFETCH(QString, action);

    Window w;
    auto *button = w.add(new Components::ColorButton(QColor(Qt::black)), "colour");
    button->setColorDialogMode(Components::ColorButton::ColorDialogMode(mode));
    QVERIFY(w.show());
    button->setFocus(Qt::TabFocusReason);
    QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
    QVERIFY(actions);
    if (!action.isEmpty()) {
        QCOMPARE(actions->actionNames().value(0), action);
    }
    QString opened;
    const Opened result = whileOpen(
        [&] {
            if (action.isEmpty()) {
                press(Qt::Key_Space);
                return;
            }
            actions->doAction(action);
            // A press is a click a moment later, as a user's; the menu opens at once.
            if (!QTest::qWaitFor([&] { return !opened.isEmpty(); }, 1000)) {
                qWarning("nothing opened");
            }
        },
        [&] {
            QWidget *open = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                              : QApplication::activeModalWidget();
            opened = QString::fromLatin1(open->metaObject()->className());
        });
    QVERIFY(result.opened);
    QTEST(opened, "opened");
}

void tst_Keyboard::cascadeByKeyboard()
{
    Window w;
    w.add(new QLineEdit, "before");
    QStandardItemModel model;
    for (int i = 0; i < 2; ++i) {
        auto *top = new QStandardItem(QStringLiteral("top %1").arg(i));
        auto *middle = new QStandardItem(QStringLiteral("middle %1").arg(i));
        middle->appendRow(new QStandardItem(QStringLiteral("leaf %1").arg(i)));
        top->appendRow(middle);
        model.appendRow(top);
    }
    auto *view = w.add(new Components::CascadingListView(nullptr, nullptr), "view");
    w.add(new QLineEdit, "after");
    // The panels are made with the model, after the preview and the rest of the window.
    view->setModel(&model);
    QList<Components::CascadingListViewPanel *> panels;
    for (auto *panel = view->findChild<Components::CascadingListViewPanel *>(); panel;
         panel = panel->getParentPanel()) {
        panels.prepend(panel);
    }
    QCOMPARE(panels.size(), 3);
    for (int i = 0; i < 3; ++i) {
        panels.at(i)->setObjectName(QStringLiteral("panel%1").arg(i));
    }
    QVERIFY(w.show());
    w.widget.findChild<QWidget *>(QStringLiteral("before"))->setFocus();

    // Tab reaches the panels in their order, then the preview on their right.
    QStringList walk;
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Tab);
        walk << (qobject_cast<Components::CascadingListViewPanelPreview *>(focus()) ? QStringLiteral("preview")
                                                                                    : nameOf(focus()));
    }
    QCOMPARE(walk,
             QStringList({QStringLiteral("panel0"), QStringLiteral("panel1"), QStringLiteral("panel2"),
                          QStringLiteral("preview"), QStringLiteral("after")}));

    // The arrows walk down the levels and back.
    panels.at(0)->setFocus();
    press(Qt::Key_End);
    press(Qt::Key_Home);
    QCOMPARE(panels.at(0)->currentIndex().data().toString(), QStringLiteral("top 0"));
    press(Qt::Key_Right);
    QCOMPARE(focus(), panels.at(1));
    QCOMPARE(panels.at(1)->currentIndex().data().toString(), QStringLiteral("middle 0"));
    press(Qt::Key_Right);
    QCOMPARE(focus(), panels.at(2));
    press(Qt::Key_Left);
    QCOMPARE(focus(), panels.at(1));
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
