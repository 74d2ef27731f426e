// SPDX-License-Identifier: MIT

#pragma once

// Records what the application tells assistive technologies. The recorder is an accessibility bridge, loaded
// as a static plugin (Q_IMPORT_PLUGIN(AccessibleEventRecorderPlugin) in the test): Qt hands every event to its
// bridges, while an update handler sees none until a platform reports an active assistive technology, which
// the offscreen platform of the tests never does.

#include <QAccessible>
#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QCoreApplication>
#include <QStringList>

#include <utility>

// The state flags the components report, by name: "focusable,checkable,checked".
inline QString accessibleStates(const QAccessible::State &state)
{
    const std::pair<quint64, const char *> flags[]
        = {{state.disabled, "disabled"},     {state.focusable, "focusable"}, {state.focused, "focused"},
           {state.pressed, "pressed"},       {state.checkable, "checkable"}, {state.checked, "checked"},
           {state.expandable, "expandable"}, {state.expanded, "expanded"},   {state.collapsed, "collapsed"},
           {state.invisible, "invisible"},   {state.hasPopup, "hasPopup"},   {state.animated, "animated"}};
    QStringList names;
    for (const auto &flag : flags) {
        if (flag.first) {
            names << QLatin1String(flag.second);
        }
    }
    return names.join(QLatin1Char(','));
}

class AccessibleEventRecorder : public QAccessibleBridge
{
public:
    AccessibleEventRecorder() { instance() = this; }
    ~AccessibleEventRecorder() override { instance() = instance() == this ? nullptr : instance(); }

    // The recorder Qt made, until it is deleted.
    static AccessibleEventRecorder *&instance()
    {
        static AccessibleEventRecorder *recorder = nullptr;
        return recorder;
    }

    // The events of named objects, one a line, with what a screen reader reads when it comes:
    // "header state:expanded,collapsed", "slider value[1]:90", "card name:Viewer", "slider focus[0]:Minimum".
    static QStringList &events()
    {
        static QStringList recorded;
        return recorded;
    }

    // The events of the objects named, in order.
    static QString eventsOf(const QStringList &objects)
    {
        QStringList lines;
        for (const QString &line : qAsConst(events())) {
            if (objects.contains(line.section(QLatin1Char(' '), 0, 0))) {
                lines << line;
            }
        }
        return lines.join(QLatin1Char('\n'));
    }

    void setRootObject(QAccessibleInterface *) override { }

    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        QAccessibleInterface *iface = event->accessibleInterface();
        QString kind;
        QString detail;
        switch (event->type()) {
        case QAccessible::StateChanged:
            kind = QStringLiteral("state");
            detail = accessibleStates(static_cast<QAccessibleStateChangeEvent *>(event)->changedStates());
            break;
        case QAccessible::ValueChanged:
            kind = QStringLiteral("value");
            detail = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
            break;
        case QAccessible::DescriptionChanged:
            kind = QStringLiteral("description");
            detail = iface ? iface->text(QAccessible::Description) : QString();
            break;
        case QAccessible::NameChanged:
        case QAccessible::Focus:
            kind = event->type() == QAccessible::Focus ? QStringLiteral("focus") : QStringLiteral("name");
            detail = iface ? iface->text(QAccessible::Name) : QString();
            break;
        default:
            return;
        }
        if (event->object() && !event->object()->objectName().isEmpty()) {
            const QString child = event->child() >= 0 ? QStringLiteral("[%1]").arg(event->child()) : QString();
            events() << QStringLiteral("%1 %2%3:%4").arg(event->object()->objectName(), kind, child, detail);
        }
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
