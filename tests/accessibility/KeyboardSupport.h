// SPDX-License-Identifier: MIT

#pragma once

// Keys as a user types them: through the window system, so that shortcuts, pop-ups and the focus chain
// take part, and menus and dialogs that open on a key are looked at and closed from inside their own
// event loop.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace KeyboardSupport {

inline QWidget *focus()
{
    return QApplication::focusWidget();
}

inline QString nameOf(const QWidget *widget)
{
    return widget ? widget->objectName() : QStringLiteral("(none)");
}

// A key, to the open pop-up, else to the active window (the focus window may be a pop-up just closed).
inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *receiver = QApplication::activePopupWidget();
    if (!receiver) {
        receiver = QApplication::activeWindow();
    }
    if (!receiver || !receiver->windowHandle()) {
        qFatal("no window takes keys");
    }
    QTest::keyClick(receiver->windowHandle(), Qt::Key(key), modifiers);
}

// Whether the focus is in container, or comes there soon (a dialog is activated after it shows).
[[nodiscard]] inline bool focusComesInto(const QWidget *container)
{
    return QTest::qWaitFor([container] { return focus() && container->isAncestorOf(focus()); }, 1000);
}

struct Opened
{
    bool opened = false; // a menu or a modal dialog opened, and check ran in it
    int unexpected = 0; // what opened after it, closed at once so that a test fails rather than hangs
};

// Runs trigger; if a menu or a modal dialog opens, runs check in it, then closes it.
inline Opened whileOpen(const std::function<void()> &trigger, const std::function<void()> &check)
{
    Opened result;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *open
            = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (!open) {
            return;
        }
        if (result.opened) {
            ++result.unexpected;
        } else {
            result.opened = true;
            check();
        }
        if (QWidget *still = QApplication::activePopupWidget()) {
            still->close();
        }
        if (QWidget *still = QApplication::activeModalWidget()) {
            still->close();
        }
    });
    timer.start();
    QWidget *window = QApplication::activeWindow();
    trigger();
    // A window manager makes the window active again once a dialog closes; the offscreen platform has none.
    for (int i = 0; window && i < 50 && QApplication::activeWindow() != window; ++i) {
        window->activateWindow();
        QTest::qWait(20);
    }
    if (window && QApplication::activeWindow() != window) {
        qWarning("the window did not become active again");
    }
    return result;
}

// Presses key; if a menu or a modal dialog opens, runs check in it, then closes it.
inline Opened pressWhileOpen(int key, Qt::KeyboardModifiers modifiers, const std::function<void()> &check)
{
    return whileOpen([&] { press(key, modifiers); }, check);
}

} // namespace KeyboardSupport
