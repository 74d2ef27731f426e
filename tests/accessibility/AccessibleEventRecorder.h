// SPDX-License-Identifier: MIT

#pragma once

// Records what the application tells assistive technologies. The recorder is an accessibility bridge,
// the public interface through which Qt hands each event to a screen reader's back-end; it is loaded as
// a static plugin (Q_IMPORT_PLUGIN(AccessibleEventRecorderPlugin) in the test). Qt passes every event to
// its bridges, while an update handler would only see events once a platform reports an assistive
// technology as active, which the offscreen platform of the tests never does.

#include <QAccessible>
#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

struct RecordedAccessibleEvent
{
    QAccessible::Event type = QAccessible::InvalidEvent;
    QPointer<QObject> object;
    int child = -1;
    QStringList changedStates;
    QString value;
    QString name;
    QString description;
};

// The state flags the components report, by name.
inline QStringList accessibleStateNames(const QAccessible::State &state)
{
    QStringList names;
    const auto add = [&names](bool set, const char *name) {
        if (set) {
            names << QLatin1String(name);
        }
    };
    add(state.disabled, "disabled");
    add(state.focusable, "focusable");
    add(state.focused, "focused");
    add(state.pressed, "pressed");
    add(state.checkable, "checkable");
    add(state.checked, "checked");
    add(state.expandable, "expandable");
    add(state.expanded, "expanded");
    add(state.collapsed, "collapsed");
    add(state.invisible, "invisible");
    add(state.hasPopup, "hasPopup");
    add(state.animated, "animated");
    return names;
}

class AccessibleEventRecorder : public QAccessibleBridge
{
public:
    AccessibleEventRecorder() { instance() = this; }
    ~AccessibleEventRecorder() override
    {
        if (instance() == this) {
            instance() = nullptr;
        }
    }

    // The recorder Qt made, until it is deleted.
    static AccessibleEventRecorder *&instance()
    {
        static AccessibleEventRecorder *recorder = nullptr;
        return recorder;
    }

    static QList<RecordedAccessibleEvent> &events()
    {
        static QList<RecordedAccessibleEvent> recorded;
        return recorded;
    }

    void setRootObject(QAccessibleInterface *) override { }

    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        RecordedAccessibleEvent recorded;
        recorded.type = event->type();
        recorded.object = event->object();
        recorded.child = event->child();
        if (event->type() == QAccessible::StateChanged) {
            recorded.changedStates
                = accessibleStateNames(static_cast<QAccessibleStateChangeEvent *>(event)->changedStates());
        } else if (event->type() == QAccessible::ValueChanged) {
            recorded.value = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
        }
        // What a screen reader reads when the event arrives.
        if (QAccessibleInterface *iface = event->accessibleInterface()) {
            recorded.name = iface->text(QAccessible::Name);
            recorded.description = iface->text(QAccessible::Description);
        }
        events().append(recorded);
    }
};

class AccessibleEventRecorderPlugin : public QAccessibleBridgePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QAccessibleBridgeFactoryInterface" FILE "recorder.json")

public:
    QAccessibleBridge *create(const QString &) override
    {
        // Qt 5 never deletes its bridges: the recorder goes with the application unless Qt deleted it before.
        qAddPostRoutine([] { delete AccessibleEventRecorder::instance(); });
        return new AccessibleEventRecorder;
    }
};
