// SPDX-License-Identifier: MIT

#pragma once

// Internal: what assistive technologies learn about the components, and the keyboard helpers the
// components share.
//
// The interfaces of the components that paint themselves or group others come from one factory,
// installed when the library is loaded, that answers for the class names registered with it; each
// interface class lives in the source of the component it speaks for. Components built on Qt's input
// widgets keep Qt's own interfaces (with their text and editing support); what they add to them is
// said through the accessible description, composed with the application's own.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMenu>
#include <QString>
#include <QVariant>

class QColor;
class QWidget;

namespace Nalu {
namespace Components {
namespace Accessibility {

// Installs the interface factory; installing it again does nothing.
void installFactory();

// Makes the interface of object, or returns null when object is not of the class it was registered for.
using InterfaceMaker = QAccessibleInterface *(*)(QObject *object);

// Has the factory make the interfaces of the class named className (its qualified meta-object name; Qt
// asks for the base classes' names too, so subclasses get it as well) with maker. Called while the
// library loads, from the source of the class; always true.
bool registerInterface(const char *className, InterfaceMaker maker);

template<typename Widget, typename Interface>
QAccessibleInterface *make(QObject *object)
{
    auto *widget = qobject_cast<Widget *>(object);
    return widget ? new Interface(widget) : nullptr;
}

// The base of the components' interfaces: a widget's interface whose children leave out the widgets
// that the interface speaks for itself (labels whose text is its name, decorations).
class WidgetAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

protected:
    virtual bool leavesOut(const QWidget *child) const;

    // What the application said: its accessible name, or a label's buddy text.
    QString applicationName() const { return QAccessibleWidget::text(QAccessible::Name); }
    // Its accessible description, or the tool tip.
    QString applicationDescription() const { return QAccessibleWidget::text(QAccessible::Description); }

    static QString either(const QString &first, const QString &second) { return first.isEmpty() ? second : first; }

private:
    // As Qt's own widget interfaces count them: no windows, menus or focus frames.
    QList<QWidget *> childWidgets() const;
};

// Tells assistive technologies that something of object, or of its child'th accessible child, changed.
void notify(QObject *object, QAccessible::Event type, int child = -1);
void notifyState(QObject *object, const QAccessible::State &changed, int child = -1);
void notifyValue(QObject *object, const QVariant &value, int child = -1);

// The library's own part of the accessible description of widget: it follows the description the
// application set (or, without one, the tool tip), and is kept in step when either changes. An empty
// part leaves the application's description alone.
void setDescriptionPart(QWidget *widget, const QString &part);

// Names widget, unless the application gave it a name of its own.
void setDefaultName(QWidget *widget, const QString &name);

// A colour as a person says it: a colour name where one is close, else its hexadecimal code, then how
// opaque it is unless fully.
QString describeColor(const QColor &color);

// text without its mark-up, when it is rich text.
QString plainText(const QString &text);

// The translations of the texts said by the interfaces of several components.
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(Nalu::Components::Accessibility)
};

} // namespace Accessibility

namespace Keyboard {

// Moves the focus-accepting widgets of block (block and its descendants, in the order they have) to
// right after anchor's place in the window's focus chain, that is after the last focus-accepting widget
// at or before anchor outside block. Tab then reaches them where they are shown, not where a widget
// made or placed into a window that exists already goes: at the end of its chain. Anchor may be block
// itself, when block's own place in the chain is right but its contents came later.
void placeInFocusChain(QWidget *block, QWidget *anchor);

// Whether Tab can give widget the focus now.
bool takesTabFocus(const QWidget *widget);

// A menu holding widgets (through QWidgetAction) that the keyboard can use: on opening, the focus goes
// to the widget's checked button, or else its first focus-accepting widget, and Tab and Shift+Tab move
// among its widgets, round, instead of leaving the focus stuck on the menu.
class FocusCyclingMenu : public QMenu
{
public:
    explicit FocusCyclingMenu(QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QList<QWidget *> focusChain() const;
    Q_DISABLE_COPY(FocusCyclingMenu)
};

} // namespace Keyboard
} // namespace Components
} // namespace Nalu
