// SPDX-License-Identifier: MIT

// Pieces the benchmarks share.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace BenchSupport {

// Records whether any widget of the application has received a paint event.
class PaintWatcher : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Shows @p window and runs the event loop until something in the application has been painted.
inline bool showUntilPainted(QWidget &window)
{
    PaintWatcher watcher;
    qApp->installEventFilter(&watcher);
    window.show();
    for (int round = 0; round < 1000 && !watcher.painted; ++round) {
        QCoreApplication::processEvents();
    }
    qApp->removeEventFilter(&watcher);
    return watcher.painted;
}

} // namespace BenchSupport
