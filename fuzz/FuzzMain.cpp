// SPDX-License-Identifier: MIT
// What every fuzz target shares: one QApplication on the offscreen platform for the whole run, and event helpers.
#include "FuzzInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

#include <cstdlib>

namespace {

// Warnings are part of the contract for bad input, but printing thousands of them per second slows the run.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "qFatal: %s\n", qUtf8Printable(message));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("NALU_FUZZ_VERBOSE")) {
        qInstallMessageHandler(quietMessages);
    }
    // Never destroyed: at exit its destructor would run after statics of Qt's plug-ins are gone.
    new QApplication(*argc, *argv);
    return 0;
}

namespace NaluFuzz {

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool sendMouse(QWidget *widget, int type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::Type(type), pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

void sendKey(QWidget *widget, int key)
{
    // Receivers of what the key does may delete the widget.
    const QPointer<QWidget> guard(widget);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    if (guard) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    }
}

void sendWheel(QWidget *widget, QPoint pos, int delta)
{
    QWheelEvent event(pos, widget->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace NaluFuzz
