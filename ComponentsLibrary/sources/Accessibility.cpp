// SPDX-License-Identifier: MIT

#include "Accessibility_p.h"

#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QFocusFrame>
#include <QHash>
#include <QShowEvent>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

namespace Nalu {
namespace Components {
namespace Accessibility {

namespace {

using Makers = QHash<QString, InterfaceMaker>;

Makers &makers()
{
    static Makers registered;
    return registered;
}

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    const InterfaceMaker maker = makers().value(className);
    return maker && object ? maker(object) : nullptr;
}

// The accessible texts a component adds to a widget of Qt's, kept as a child of the widget.
class TextKeeper : public QObject
{
    Q_OBJECT

public:
    explicit TextKeeper(QWidget *widget)
        : QObject(widget)
        , m_widget(widget)
    {
        widget->installEventFilter(this);
    }

    static TextKeeper *of(QWidget *widget)
    {
        if (auto *keeper = widget->findChild<TextKeeper *>(QString(), Qt::FindDirectChildrenOnly)) {
            return keeper;
        }
        return new TextKeeper(widget);
    }

    void setDescriptionPart(const QString &part)
    {
        m_part = part;
        syncDescription();
    }

    void setDefaultName(const QString &name)
    {
        const QString current = m_widget->accessibleName();
        // A name that is not the last one given here is the application's.
        if (!current.isEmpty() && current != m_name) {
            return;
        }
        m_name = name;
        if (current != name) {
            m_widget->setAccessibleName(name);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A new tool tip changes the composed description; the focus is when a screen reader reads it,
        // so a description the application set since is taken in then.
        if (watched == m_widget && (event->type() == QEvent::ToolTipChange || event->type() == QEvent::FocusIn)) {
            syncDescription();
        }
        return false;
    }

private:
    void syncDescription()
    {
        const QString current = m_widget->accessibleDescription();
        if (current != m_composed) {
            m_base = current; // the application changed it
        }
        QString own = m_base;
        if (own.isEmpty() && !m_part.isEmpty()) {
            // Without a description Qt reads the tool tip; one that repeats the text adds nothing.
            own = plainText(m_widget->toolTip());
            if (own == m_widget->property("text").toString()) {
                own.clear();
            }
        }
        QString composed = m_part.isEmpty() ? m_base : own;
        if (!m_part.isEmpty()) {
            if (!composed.isEmpty()) {
                const QChar last = composed.at(composed.size() - 1);
                composed += last == QLatin1Char('.') || last == QLatin1Char('!') || last == QLatin1Char('?')
                    ? QStringLiteral(" ")
                    : QStringLiteral(". ");
            }
            composed += m_part;
        }
        m_composed = composed;
        if (composed != current) {
            m_widget->setAccessibleDescription(composed);
        }
    }

    QWidget *const m_widget;
    QString m_part;
    QString m_base;
    QString m_composed;
    QString m_name;
};

// sRGB to CIE L*a*b* (D65).
struct Lab
{
    double l;
    double a;
    double b;
};

Lab toLab(const QColor &color)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = color.toRgb();
    const double r = linear(rgb.redF());
    const double g = linear(rgb.greenF());
    const double b = linear(rgb.blueF());
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

struct NamedColor
{
    QRgb rgb;
    const char *name;
};

// Names most people use, with their common values.
const NamedColor NamedColors[] = {
    {0x000000, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "black")},
    {0xffffff, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "white")},
    {0x808080, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "grey")},
    {0x404040, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "dark grey")},
    {0xc0c0c0, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "light grey")},
    {0xff0000, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "red")},
    {0x8b0000, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "dark red")},
    {0xdc143c, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "crimson")},
    {0xff7f50, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "coral")},
    {0xffa500, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "orange")},
    {0xffd700, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "gold")},
    {0xffff00, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "yellow")},
    {0x808000, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "olive")},
    {0x00ff00, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "bright green")},
    {0x008000, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "green")},
    {0x006400, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "dark green")},
    {0x008080, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "teal")},
    {0x40e0d0, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "turquoise")},
    {0x00ffff, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "cyan")},
    {0x87ceeb, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "sky blue")},
    {0xadd8e6, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "light blue")},
    {0x4169e1, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "royal blue")},
    {0x0000ff, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "blue")},
    {0x00008b, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "dark blue")},
    {0x000080, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "navy")},
    {0x4b0082, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "indigo")},
    {0x800080, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "purple")},
    {0xee82ee, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "violet")},
    {0xff00ff, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "magenta")},
    {0xffc0cb, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "pink")},
    {0xa52a2a, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "brown")},
    {0xd2b48c, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "tan")},
    {0xf5f5dc, QT_TRANSLATE_NOOP("Nalu::Components::Accessibility", "beige")},
};

// Colours closer than this (a distance in L*a*b*, where 2.3 is about the least a person notices) to a
// named colour are called by its name.
constexpr double NameDistance = 10.0;

} // namespace

bool registerInterface(const char *className, InterfaceMaker maker)
{
    makers().insert(QString::fromLatin1(className), maker);
    return true;
}

int WidgetAccessible::childCount() const
{
    return childWidgets().size();
}

QAccessibleInterface *WidgetAccessible::child(int index) const
{
    const QList<QWidget *> children = childWidgets();
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index)) : nullptr;
}

int WidgetAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || !child->object() || !child->object()->isWidgetType()) {
        return -1;
    }
    return childWidgets().indexOf(static_cast<QWidget *>(child->object()));
}

bool WidgetAccessible::leavesOut(const QWidget *child) const
{
    Q_UNUSED(child)
    return false;
}

QList<QWidget *> WidgetAccessible::childWidgets() const
{
    QList<QWidget *> children;
    const QWidget *parent = widget();
    if (!parent) {
        return children;
    }
    for (QObject *object : parent->children()) {
        if (!object->isWidgetType()) {
            continue;
        }
        auto *child = static_cast<QWidget *>(object);
        if (child->isWindow() || qobject_cast<QMenu *>(child) || qobject_cast<QFocusFrame *>(child)
            || child->objectName() == QLatin1String("qt_rubberband") || leavesOut(child)) {
            continue;
        }
        children.append(child);
    }
    return children;
}

void installFactory()
{
    QAccessible::installFactory(createInterface);
}

void notify(QObject *object, QAccessible::Event type, int child)
{
    if (!object) {
        return;
    }
    QAccessibleEvent event(object, type);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void notifyState(QObject *object, const QAccessible::State &changed, int child)
{
    if (!object) {
        return;
    }
    QAccessibleStateChangeEvent event(object, changed);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void notifyValue(QObject *object, const QVariant &value, int child)
{
    if (!object) {
        return;
    }
    QAccessibleValueChangeEvent event(object, value);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void setDescriptionPart(QWidget *widget, const QString &part)
{
    if (!widget) {
        return;
    }
    // Nothing to take back from a widget that never had a part.
    if (part.isEmpty() && !widget->findChild<TextKeeper *>(QString(), Qt::FindDirectChildrenOnly)) {
        return;
    }
    TextKeeper::of(widget)->setDescriptionPart(part);
}

void setDefaultName(QWidget *widget, const QString &name)
{
    if (widget) {
        TextKeeper::of(widget)->setDefaultName(name);
    }
}

QString describeColor(const QColor &color)
{
    if (!color.isValid()) {
        return Texts::tr("no colour");
    }
    if (color.alpha() == 0) {
        return Texts::tr("transparent");
    }
    const Lab lab = toLab(color);
    const NamedColor *nearest = nullptr;
    double nearestDistance = NameDistance;
    for (const NamedColor &named : NamedColors) {
        const Lab other = toLab(QColor::fromRgb(named.rgb));
        const double distance = std::hypot(lab.l - other.l, lab.a - other.a, lab.b - other.b);
        if (distance < nearestDistance) {
            nearest = &named;
            nearestDistance = distance;
        }
    }
    QString words = nearest ? Texts::tr(nearest->name) : color.toRgb().name(QColor::HexRgb).toUpper();
    if (color.alpha() < 255) {
        const int percent = qRound(color.alphaF() * 100);
        words = Texts::tr("%1, %2% opaque").arg(words).arg(percent);
    }
    return words;
}

QString plainText(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

} // namespace Accessibility

namespace Keyboard {

namespace {

// Widgets the focus chain moves: those that take the focus themselves, not through a proxy.
bool acceptsFocus(const QWidget *widget)
{
    return widget->focusPolicy() != Qt::NoFocus && !widget->focusProxy();
}

} // namespace

bool takesTabFocus(const QWidget *widget)
{
    return widget && widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)
        && !widget->focusProxy();
}

void placeInFocusChain(QWidget *block, QWidget *anchor)
{
    if (!block || !anchor || block->isWindow() || block->window() != anchor->window()) {
        return;
    }
    // Most blocks hold nothing that takes the focus (a label, say): then nothing moves, and the walk below through
    // the focus chain of the whole window is spared.
    if (!acceptsFocus(block)) {
        const QList<QWidget *> inside = block->findChildren<QWidget *>();
        if (std::none_of(inside.cbegin(), inside.cend(), acceptsFocus)) {
            return;
        }
    }
    QWidget *window = block->window();
    const auto inBlock = [block](const QWidget *widget) { return widget == block || block->isAncestorOf(widget); };
    QList<QWidget *> moving;
    QWidget *widget = block;
    do {
        if (inBlock(widget) && acceptsFocus(widget)) {
            moving.append(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget && widget != block);
    if (moving.isEmpty()) {
        return;
    }
    QWidget *previous = nullptr;
    for (widget = anchor; widget && widget != window; widget = widget->previousInFocusChain()) {
        if (!inBlock(widget) && acceptsFocus(widget)) {
            previous = widget;
            break;
        }
    }
    if (!previous) {
        return;
    }
    for (QWidget *next : qAsConst(moving)) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

FocusCyclingMenu::FocusCyclingMenu(QWidget *parent)
    : QMenu(parent)
{
}

QList<QWidget *> FocusCyclingMenu::focusChain() const
{
    QList<QWidget *> chain;
    for (QWidget *widget = nextInFocusChain(); widget && widget != this; widget = widget->nextInFocusChain()) {
        if (isAncestorOf(widget) && takesTabFocus(widget)) {
            chain.append(widget);
        }
    }
    return chain;
}

void FocusCyclingMenu::showEvent(QShowEvent *event)
{
    QMenu::showEvent(event);
    const QList<QWidget *> chain = focusChain();
    if (chain.isEmpty()) {
        return;
    }
    QWidget *first = chain.constFirst();
    for (QWidget *widget : chain) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (button && button->isChecked()) {
            first = button;
            break;
        }
    }
    first->setFocus(Qt::PopupFocusReason);
}

bool FocusCyclingMenu::focusNextPrevChild(bool next)
{
    const QList<QWidget *> chain = focusChain();
    if (chain.isEmpty()) {
        return QMenu::focusNextPrevChild(next);
    }
    const int count = chain.size();
    const int index = chain.indexOf(focusWidget());
    const int target = index < 0 ? (next ? 0 : count - 1) : (index + (next ? 1 : count - 1)) % count;
    chain.at(target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace Keyboard

} // namespace Components
} // namespace Nalu

namespace {

void installAccessibilityFactory()
{
    Nalu::Components::Accessibility::installFactory();
}

} // namespace

// Before any component can be queried: when the library is loaded into a running application, or
// when the application object is made.
Q_COREAPP_STARTUP_FUNCTION(installAccessibilityFactory)

#include "Accessibility.moc"
