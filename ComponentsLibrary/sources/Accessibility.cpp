// SPDX-License-Identifier: MIT

#include "Accessibility_p.h"

#include "RangeSlider_p.h"

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/PillLabel.h>
#include <ComponentsLibrary/RangeSlider.h>

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QColor>
#include <QEvent>
#include <QFocusFrame>
#include <QPointer>
#include <QRubberBand>
#include <QShowEvent>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWindow>

#include <cmath>

namespace Nalu {
namespace Components {
namespace Accessibility {

namespace {

// A widget's interface whose children leave out the widgets that the interface speaks for itself
// (labels whose text is its name, decorations).
class WidgetAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return childWidgets().size(); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = childWidgets();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType()) {
            return -1;
        }
        return childWidgets().indexOf(static_cast<QWidget *>(child->object()));
    }

protected:
    virtual bool leavesOut(const QWidget *child) const
    {
        Q_UNUSED(child)
        return false;
    }

    // What the application said: its accessible name, or a label's buddy text.
    QString applicationName() const { return QAccessibleWidget::text(QAccessible::Name); }
    // Its accessible description, or the tool tip.
    QString applicationDescription() const { return QAccessibleWidget::text(QAccessible::Description); }

    static QString either(const QString &first, const QString &second) { return first.isEmpty() ? second : first; }

private:
    // As Qt's own widget interfaces count them: no windows, menus or focus frames.
    QList<QWidget *> childWidgets() const
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
};

// An expandable header is the button that opens and closes its card; any other is the heading of it.
class HeaderAccessible : public WidgetAccessible
{
public:
    explicit HeaderAccessible(CardWidgetBaseHeader *header)
        : WidgetAccessible(header, QAccessible::Heading)
    {
    }

    QAccessible::Role role() const override
    {
        const CardWidgetBaseHeader *h = header();
        return h && h->isExpandable() ? QAccessible::Button : QAccessible::Heading;
    }

    QString text(QAccessible::Text t) const override
    {
        const CardWidgetBaseHeader *h = header();
        if (!h) {
            return {};
        }
        switch (t) {
        case QAccessible::Name:
            return either(applicationName(), h->title());
        case QAccessible::Description:
            return either(applicationDescription(), h->subtitle());
        default:
            return WidgetAccessible::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = WidgetAccessible::state();
        const CardWidgetBaseHeader *h = header();
        if (h && h->isExpandable()) {
            s.expandable = true;
            s.expanded = h->isExpanded();
            s.collapsed = !h->isExpanded();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = WidgetAccessible::actionNames();
        const CardWidgetBaseHeader *h = header();
        if (h && h->isExpandable()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString &name) override
    {
        CardWidgetBaseHeader *h = header();
        if (h && h->isExpandable() && h->isEnabled() && name == pressAction()) {
            h->setExpanded(!h->isExpanded());
            return;
        }
        WidgetAccessible::doAction(name);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        return name == pressAction() ? QStringList {QStringLiteral("Space")}
                                     : WidgetAccessible::keyBindingsForAction(name);
    }

protected:
    // The title and the subtitle are this interface's name and description; the indicator is its state.
    bool leavesOut(const QWidget *child) const override
    {
        const QString name = child->objectName();
        return name == QLatin1String("title") || name == QLatin1String("subtitle")
            || name == QLatin1String("expandIndicator");
    }

private:
    CardWidgetBaseHeader *header() const { return qobject_cast<CardWidgetBaseHeader *>(object()); }
};

// Cards and expanders: a grouping named after the title; checkable cards are checked or not, expanders
// expanded or collapsed.
class CardAccessible : public WidgetAccessible
{
public:
    explicit CardAccessible(CardWidgetBase *card)
        : WidgetAccessible(card, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const CardWidgetBase *frame = qobject_cast<CardWidgetBase *>(object());
        if (frame && t == QAccessible::Name) {
            return either(applicationName(), frame->title());
        }
        return frame ? WidgetAccessible::text(t) : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = WidgetAccessible::state();
        if (const CardWidget *c = card(); c && c->isCheckable()) {
            s.checkable = true;
            s.checked = c->isChecked();
        }
        if (const ExpanderWidget *e = expander(); e && e->isExpandable()) {
            s.expandable = true;
            s.expanded = e->isExpanded();
            s.collapsed = !e->isExpanded();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = WidgetAccessible::actionNames();
        if (toggles()) {
            names.prepend(toggleAction());
        }
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == toggleAction() && toggles() && widget()->isEnabled()) {
            if (CardWidget *c = card()) {
                c->setChecked(!c->isChecked());
            } else if (ExpanderWidget *e = expander()) {
                e->setExpanded(!e->isExpanded());
            }
            return;
        }
        WidgetAccessible::doAction(name);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        return name == toggleAction() && card() ? QStringList {QStringLiteral("Space")}
                                                : WidgetAccessible::keyBindingsForAction(name);
    }

protected:
    // The highlight of a checked card is its state.
    bool leavesOut(const QWidget *child) const override { return qobject_cast<const QRubberBand *>(child); }

private:
    CardWidget *card() const { return qobject_cast<CardWidget *>(object()); }
    ExpanderWidget *expander() const { return qobject_cast<ExpanderWidget *>(object()); }
    bool toggles() const
    {
        const CardWidget *c = card();
        const ExpanderWidget *e = expander();
        return (c && c->isCheckable()) || (e && e->isExpandable());
    }
};

// One handle of a range slider: a value element between the slider's bound and the other handle.
class RangeSliderHandleAccessible : public QAccessibleInterface,
                                    public QAccessibleValueInterface,
                                    public QAccessibleActionInterface
{
public:
    RangeSliderHandleAccessible(RangeSlider *slider, RangeSlider::Handle handle)
        : m_slider(slider)
        , m_handle(handle)
    {
    }

    bool isValid() const override { return slider() != nullptr; }
    QObject *object() const override { return nullptr; }

    QWindow *window() const override
    {
        const RangeSlider *s = slider();
        return s ? s->window()->windowHandle() : nullptr;
    }

    QAccessibleInterface *parent() const override
    {
        return slider() ? QAccessible::queryAccessibleInterface(slider()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!slider()) {
            return {};
        }
        switch (t) {
        case QAccessible::Name:
            return minimum() ? RangeSlider::tr("Minimum") : RangeSlider::tr("Maximum");
        case QAccessible::Value:
            return QString::number(value());
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override { }

    QRect rect() const override
    {
        RangeSlider *s = slider();
        if (!s) {
            return {};
        }
        const QRect local = RangeSliderPrivate::get(s)->handleRect(value());
        return QRect(s->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override { return QAccessible::Slider; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const RangeSlider *r = slider();
        if (!r) {
            s.invalid = true;
            return s;
        }
        s.disabled = !r->isEnabled();
        s.invisible = !r->isVisible();
        s.focusable = r->hasKeyboardHandles() && (r->focusPolicy() & Qt::TabFocus);
        s.focused = s.focusable && r->hasFocus() && r->getCurrentHandle() == m_handle;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface *>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface *>(this);
        }
        return nullptr;
    }

    // The value: each handle between the slider's bound on its side and the other handle.
    QVariant currentValue() const override { return slider() ? QVariant(value()) : QVariant(); }

    void setCurrentValue(const QVariant &newValue) override
    {
        if (RangeSlider *s = slider(); s && s->isEnabled()) {
            RangeSliderPrivate::get(s)->moveHandle(m_handle, newValue.toInt());
        }
    }

    QVariant maximumValue() const override
    {
        const RangeSlider *s = slider();
        return s ? QVariant(minimum() ? s->getMaxHandleValue() : s->maximum()) : QVariant();
    }

    QVariant minimumValue() const override
    {
        const RangeSlider *s = slider();
        return s ? QVariant(minimum() ? s->minimum() : s->getMinHandleValue()) : QVariant();
    }

    QVariant minimumStepSize() const override { return slider() ? QVariant(slider()->singleStep()) : QVariant(); }

    QStringList actionNames() const override
    {
        return slider() ? QStringList {increaseAction(), decreaseAction()} : QStringList();
    }

    void doAction(const QString &name) override
    {
        if (RangeSlider *s = slider(); s && s->isEnabled()) {
            if (name == increaseAction()) {
                RangeSliderPrivate::get(s)->moveHandle(m_handle, value() + s->singleStep());
            } else if (name == decreaseAction()) {
                RangeSliderPrivate::get(s)->moveHandle(m_handle, value() - s->singleStep());
            }
        }
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    // Null once the slider is gone, and while it is being destroyed.
    RangeSlider *slider() const { return qobject_cast<RangeSlider *>(m_slider.data()); }
    bool minimum() const { return m_handle == RangeSlider::MinimumHandle; }
    int value() const { return minimum() ? slider()->getMinHandleValue() : slider()->getMaxHandleValue(); }

    QPointer<QObject> m_slider;
    const RangeSlider::Handle m_handle;
};

// A range slider: a grouping of its two handles.
class RangeSliderAccessible : public WidgetAccessible
{
public:
    explicit RangeSliderAccessible(RangeSlider *slider)
        : WidgetAccessible(slider, QAccessible::Grouping)
    {
    }

    ~RangeSliderAccessible() override
    {
        for (const QAccessible::Id id : m_handles) {
            if (id) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    QString text(QAccessible::Text t) const override
    {
        const RangeSlider *s = slider();
        if (!s) {
            return {};
        }
        if (t == QAccessible::Name) {
            return either(applicationName(),
                          qobject_cast<const ColormapRangeSlider *>(s) ? ColormapRangeSlider::tr("Colormap range")
                                                                       : RangeSlider::tr("Range"));
        }
        return WidgetAccessible::text(t);
    }

    int childCount() const override { return slider() ? 2 : 0; }

    QAccessibleInterface *child(int index) const override
    {
        RangeSlider *s = slider();
        if (!s || index < 0 || index > 1) {
            return nullptr;
        }
        if (QAccessibleInterface *known = QAccessible::accessibleInterface(m_handles[index])) {
            return known;
        }
        auto *handle
            = new RangeSliderHandleAccessible(s, index == 0 ? RangeSlider::MinimumHandle : RangeSlider::MaximumHandle);
        m_handles[index] = QAccessible::registerAccessibleInterface(handle);
        return handle;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < 2; ++i) {
            if (child && m_handles[i] && QAccessible::accessibleInterface(m_handles[i]) == child) {
                return i;
            }
        }
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 1; i >= 0; --i) {
            QAccessibleInterface *handle = child(i);
            if (handle && handle->rect().contains(x, y)) {
                return handle;
            }
        }
        return nullptr;
    }

    // The current handle, while the keyboard moves the handles.
    QAccessibleInterface *focusChild() const override
    {
        const RangeSlider *s = slider();
        if (!s || !s->hasFocus() || !s->hasKeyboardHandles()) {
            return nullptr;
        }
        return child(s->getCurrentHandle() == RangeSlider::MaximumHandle ? 1 : 0);
    }

private:
    RangeSlider *slider() const { return qobject_cast<RangeSlider *>(object()); }

    mutable QAccessible::Id m_handles[2] = {0, 0};
};

class ButtonGroupAccessible : public WidgetAccessible
{
public:
    explicit ButtonGroupAccessible(ButtonGroupWidget *group)
        : WidgetAccessible(group, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const ButtonGroupWidget *group = qobject_cast<ButtonGroupWidget *>(object());
        if (!group) {
            return {};
        }
        if (t == QAccessible::Description && group->isWorkflow()) {
            int steps = 0;
            const QList<QAbstractButton *> buttons = group->getButtons();
            for (const QAbstractButton *button : buttons) {
                steps += button->isVisibleTo(group) ? 1 : 0;
            }
            return either(applicationDescription(),
                          steps == 1 ? ButtonGroupWidget::tr("Workflow of 1 step")
                                     : ButtonGroupWidget::tr("Workflow of %1 steps").arg(steps));
        }
        return WidgetAccessible::text(t);
    }
};

// The colour button says its colour in words, as its value and in its description.
class ColorButtonAccessible : public WidgetAccessible
{
public:
    explicit ColorButtonAccessible(ColorButton *button)
        : WidgetAccessible(button, QAccessible::Button)
    {
    }

    QAccessible::Role role() const override
    {
        const ColorButton *b = button();
        return b && b->getColorDialogMode() == ColorButton::Popup ? QAccessible::ButtonMenu : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override
    {
        const ColorButton *b = button();
        if (!b) {
            return {};
        }
        switch (t) {
        case QAccessible::Name:
            return either(applicationName(), ColorButton::tr("Colour"));
        case QAccessible::Value:
            return describeColor(b->getColor());
        case QAccessible::Description: {
            const QString own = applicationDescription();
            const QString color = describeColor(b->getColor());
            return own.isEmpty() ? color : own + QStringLiteral(". ") + color;
        }
        default:
            return WidgetAccessible::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = WidgetAccessible::state();
        if (const ColorButton *b = button()) {
            s.pressed = b->isDown();
            s.checkable = b->isCheckable();
            s.checked = b->isChecked();
            s.hasPopup = b->getColorDialogMode() == ColorButton::Popup;
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = WidgetAccessible::actionNames();
        if (const ColorButton *b = button()) {
            names.prepend(b->getColorDialogMode() == ColorButton::Popup ? showMenuAction() : pressAction());
        }
        return names;
    }

    void doAction(const QString &name) override
    {
        ColorButton *b = button();
        if (b && b->isEnabled() && (name == pressAction() || name == showMenuAction())) {
            if (b->getColorDialogMode() == ColorButton::Popup) {
                b->showMenu();
            } else {
                // Later, as a click by the user: the dialog must not block the caller.
                b->animateClick();
            }
            return;
        }
        WidgetAccessible::doAction(name);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        return name == pressAction() || name == showMenuAction() ? QStringList {QStringLiteral("Space")}
                                                                 : WidgetAccessible::keyBindingsForAction(name);
    }

private:
    ColorButton *button() const { return qobject_cast<ColorButton *>(object()); }
};

class PillLabelAccessible : public WidgetAccessible
{
public:
    explicit PillLabelAccessible(PillLabel *label)
        : WidgetAccessible(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const PillLabel *label = qobject_cast<PillLabel *>(object());
        if (!label) {
            return {};
        }
        return t == QAccessible::Name ? either(applicationName(), label->getText()) : WidgetAccessible::text(t);
    }
};

class CascadingListViewAccessible : public WidgetAccessible
{
public:
    explicit CascadingListViewAccessible(CascadingListView *view)
        : WidgetAccessible(view, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const CascadingListView *view = qobject_cast<CascadingListView *>(object());
        if (!view) {
            return {};
        }
        if (t == QAccessible::Description) {
            const int levels = view->getNumberOfPanels();
            return either(applicationDescription(),
                          levels == 1 ? CascadingListView::tr("1 level")
                                      : CascadingListView::tr("%1 levels").arg(levels));
        }
        return WidgetAccessible::text(t);
    }
};

template<typename Widget, typename Interface>
QAccessibleInterface *make(QObject *object)
{
    auto *widget = qobject_cast<Widget *>(object);
    return widget ? new Interface(widget) : nullptr;
}

// An image: the rounded pixmap.
QAccessibleInterface *makeGraphic(QObject *object)
{
    return object->isWidgetType() ? new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic)
                                  : nullptr;
}

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    using Maker = QAccessibleInterface *(*)(QObject *);
    static const QHash<QString, Maker> makers = {
        {QStringLiteral("Nalu::Components::CardWidgetBaseHeader"), make<CardWidgetBaseHeader, HeaderAccessible>},
        {QStringLiteral("Nalu::Components::CardWidgetBase"), make<CardWidgetBase, CardAccessible>},
        {QStringLiteral("Nalu::Components::RangeSlider"), make<RangeSlider, RangeSliderAccessible>},
        {QStringLiteral("Nalu::Components::ButtonGroupWidget"), make<ButtonGroupWidget, ButtonGroupAccessible>},
        {QStringLiteral("Nalu::Components::ColorButton"), make<ColorButton, ColorButtonAccessible>},
        {QStringLiteral("Nalu::Components::PillLabel"), make<PillLabel, PillLabelAccessible>},
        {QStringLiteral("Nalu::Components::CascadingListView"), make<CascadingListView, CascadingListViewAccessible>},
        {QStringLiteral("Nalu::Components::RoundedPixmap"), makeGraphic},
    };
    const Maker maker = makers.value(className);
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
