// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CardWidgetBaseHeader.h>

#include "Accessibility_p.h"
#include "DevicePixels_p.h"
#include "QtCompat_p.h"
#include "WidgetTree_p.h"

#include "ui_CardWidgetBaseHeader.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace Nalu {
namespace Components {

class CardWidgetBaseHeaderPrivate
{
public:
    std::unique_ptr<Ui::CardWidgetBaseHeader> form = std::make_unique<Ui::CardWidgetBaseHeader>();
    QString title;
    QString subtitle;
    bool upperCaseTitle = true;
    bool invertedAppearance = false;
    bool expandable = false;
    bool expanded = false;
    bool minimized = false;
    // Observed, not owned: the caller may delete them while they are placed.
    QPointer<QWidget> headerRightWidget;
    QPointer<QWidget> headerBottomWidget;
    QList<QShortcut *> shortcuts;
    Internal::DevicePixmapLabel *expandIndicatorPixmap = nullptr;
    // The menu button's name as last given here; one the application gave it since stays.
    QString menuButtonName;

    void nameMenuButton()
    {
        QToolButton *button = form->menuButton;
        if (button->accessibleName() == menuButtonName) {
            menuButtonName = QCoreApplication::translate("Nalu::Components::CardWidgetBaseHeader", "Menu");
            button->setAccessibleName(menuButtonName);
        }
    }

    QString displayedTitle() const { return upperCaseTitle ? title.toUpper() : title; }

    // Space, Enter or Return alone: with a modifier they may be the window's shortcuts (Ctrl+Return...).
    static bool isToggleKey(const QKeyEvent *event)
    {
        const int key = event->key();
        return (key == Qt::Key_Space || key == Qt::Key_Enter || key == Qt::Key_Return)
            && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    }

    // Clicks and keys aimed at the caller's own widgets must not fold the card.
    bool sideWidgetUnderMouse() const
    {
        return (headerRightWidget && headerRightWidget->underMouse())
            || (headerBottomWidget && headerBottomWidget->underMouse());
    }

    QFont themeTitleFont() const
    {
        return form->title
            ->property(minimized ? "CardWidgetBase_Title_MinimizedFont" : "CardWidgetBase_Title_DefaultFont")
            .value<QFont>();
    }

    static void placeWidget(QPointer<QWidget> &slot, QWidget *container, QWidget *widget, const QMargins &margins)
    {
        if (slot) {
            if (container->layout()) {
                container->layout()->removeWidget(slot);
            }
            slot->setParent(nullptr);
        }
        slot = widget;
        if (widget) {
            widget->setParent(container);
            if (!container->layout()) {
                auto *layout = new QHBoxLayout(container);
                layout->setContentsMargins(margins);
            }
            container->layout()->addWidget(widget);
        }
        container->setVisible(widget != nullptr);
        // Tab reaches the widget where it is shown.
        Keyboard::placeInFocusChain(container, container);
    }
};

CardWidgetBaseHeader::CardWidgetBaseHeader(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<CardWidgetBaseHeaderPrivate>())
{
    d->form->setupUi(this);
    d->expandIndicatorPixmap = new Internal::DevicePixmapLabel(d->form->expandIndicator);
    Ui::CardWidgetBaseHeader *form = d->form.get();

    // The form's texts are only placeholders for the designer.
    form->title->clear();
    form->title->hide();
    form->subtitle->clear();
    form->subtitle->hide();
    form->expandIndicator->clear();
    form->expandIndicator->setVisible(d->expandable);
    updateExpandIndicator();

    form->menuButton->hide();
    // The button shows only an icon (its text is the placeholder "...").
    d->nameMenuButton();
    form->headerRightWidget->hide();
    form->headerBottomWidget->hide();

    form->title->setMinimumHeight(form->menuButton->sizeHint().height());
    form->title->setProperty("CardWidgetBase_Title", true);
    form->subtitle->setProperty("CardWidgetBase_Subtitle", true);

    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

CardWidgetBaseHeader::CardWidgetBaseHeader(const QString &title, QWidget *parent)
    : CardWidgetBaseHeader(parent)
{
    setTitle(title);
}

CardWidgetBaseHeader::CardWidgetBaseHeader(const QString &title, const QString &subtitle, QWidget *parent)
    : CardWidgetBaseHeader(title, parent)
{
    setSubtitle(subtitle);
}

CardWidgetBaseHeader::~CardWidgetBaseHeader() = default;

const QString &CardWidgetBaseHeader::title() const
{
    return d->title;
}

const QString &CardWidgetBaseHeader::subtitle() const
{
    return d->subtitle;
}

bool CardWidgetBaseHeader::hasUpperCaseTitle() const
{
    return d->upperCaseTitle;
}

bool CardWidgetBaseHeader::hasInvertedAppearance() const
{
    return d->invertedAppearance;
}

bool CardWidgetBaseHeader::isExpandable() const
{
    return d->expandable;
}

bool CardWidgetBaseHeader::isExpanded() const
{
    return d->expanded;
}

bool CardWidgetBaseHeader::isMinimized() const
{
    return d->minimized;
}

QWidget *CardWidgetBaseHeader::getHeaderRightWidget() const
{
    return d->headerRightWidget;
}

void CardWidgetBaseHeader::setHeaderRightWidget(QWidget *widget)
{
    if (!Internal::mayAdopt(this, widget, "CardWidgetBaseHeader::setHeaderRightWidget")) {
        return;
    }
    CardWidgetBaseHeaderPrivate::placeWidget(d->headerRightWidget, d->form->headerRightWidget, widget, {});
    update();
}

QWidget *CardWidgetBaseHeader::getHeaderBottomWidget() const
{
    return d->headerBottomWidget;
}

void CardWidgetBaseHeader::setHeaderBottomWidget(QWidget *widget)
{
    if (!Internal::mayAdopt(this, widget, "CardWidgetBaseHeader::setHeaderBottomWidget")) {
        return;
    }
    CardWidgetBaseHeaderPrivate::placeWidget(d->headerBottomWidget, d->form->headerBottomWidget, widget,
                                             QMargins(0, 6, 0, 0));
    update();
}

QMenu *CardWidgetBaseHeader::getMenu() const
{
    return d->form->menuButton->menu();
}

void CardWidgetBaseHeader::setMenu(QMenu *menu)
{
    d->form->menuButton->setMenu(menu);
    d->form->menuButton->setVisible(menu != nullptr);
    d->form->menuButton->update();
}

QSize CardWidgetBaseHeader::sizeHint() const
{
    const Ui::CardWidgetBaseHeader *form = d->form.get();
    const int hs = form->gridLayout->horizontalSpacing();
    const QMargins margins = form->gridLayout->contentsMargins();
    const int right = d->headerRightWidget ? d->headerRightWidget->sizeHint().width() + hs : 0;
    int width = margins.left();
    if (d->expandable) {
        width += form->expandIndicator->sizeHint().width() + hs;
    }
    width += qMax(form->title->sizeHint().width() + hs + right, form->subtitle->sizeHint().width() + hs);
    width += margins.right();
    if (getMenu()) {
        width += form->menuButton->sizeHint().width();
    }
    return {width, QWidget::sizeHint().height()};
}

void CardWidgetBaseHeader::setTitle(const QString &title)
{
    if (d->title == title) {
        return;
    }
    d->title = title;
    d->form->title->setText(d->displayedTitle());
    d->form->title->setVisible(!title.isEmpty());
    Accessibility::notify(this, QAccessible::NameChanged);
    update();
    Q_EMIT titleChanged(d->title);
}

void CardWidgetBaseHeader::setSubtitle(const QString &subtitle)
{
    if (d->subtitle == subtitle) {
        return;
    }
    d->subtitle = subtitle;
    d->form->subtitle->setText(subtitle);
    d->form->subtitle->setVisible(!subtitle.isEmpty());
    Accessibility::notify(this, QAccessible::DescriptionChanged);
    update();
    Q_EMIT subtitleChanged(d->subtitle);
}

void CardWidgetBaseHeader::setUpperCaseTitle(bool upperCaseTitle)
{
    if (d->upperCaseTitle == upperCaseTitle) {
        return;
    }
    d->upperCaseTitle = upperCaseTitle;
    d->form->title->setText(d->displayedTitle());
    update();
    Q_EMIT upperCaseTitleChanged(upperCaseTitle);
}

void CardWidgetBaseHeader::setInvertedAppearance(bool invertedAppearance)
{
    if (d->invertedAppearance == invertedAppearance) {
        return;
    }
    d->invertedAppearance = invertedAppearance;
    updateExpandIndicator();
    update();
    Q_EMIT invertedAppearanceChanged(invertedAppearance);
}

void CardWidgetBaseHeader::setExpandable(bool expandable)
{
    if (d->expandable == expandable) {
        return;
    }
    d->expandable = expandable;
    if (!expandable) {
        // A receiver of expandedChanged may delete this header (with its card, say): nothing may follow then.
        const QPointer<CardWidgetBaseHeader> self(this);
        setExpanded(false);
        if (!self) {
            return;
        }
    }
    // Only a header that does something with the keys takes the focus.
    setFocusPolicy(expandable ? Qt::StrongFocus : Qt::NoFocus);
    updateExpandIndicator();
    QAccessible::State changed;
    changed.expandable = true;
    changed.expanded = true;
    changed.collapsed = true;
    Accessibility::notifyState(this, changed);
    update();
    Q_EMIT expandableChanged(expandable);
}

void CardWidgetBaseHeader::setExpanded(bool expanded)
{
    if (d->expanded == expanded) {
        return;
    }
    d->expanded = expanded;
    updateExpandIndicator();
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    Accessibility::notifyState(this, changed);
    update();
    Q_EMIT expandedChanged(expanded);
}

void CardWidgetBaseHeader::expand()
{
    setExpanded(true);
}

void CardWidgetBaseHeader::collapse()
{
    setExpanded(false);
}

void CardWidgetBaseHeader::setMinimized(bool minimized)
{
    if (d->minimized == minimized) {
        return;
    }
    d->minimized = minimized;
    Ui::CardWidgetBaseHeader *form = d->form.get();
    const QSize menuHint = form->menuButton->sizeHint();
    // The margins move by one pixel so that the smaller title stays optically centred.
    const QMargins margins = form->gridLayout->contentsMargins();
    const int shift = minimized ? 1 : -1;
    form->title->setMinimumHeight(minimized ? menuHint.height() / 2 : menuHint.height());
    form->title->setFont(d->themeTitleFont());
    // Each side halved with integer division, as for the title: QSize's division rounds.
    form->menuButton->setMaximumSize(minimized ? QSize(menuHint.width() / 2, menuHint.height() / 2) : menuHint);
    form->gridLayout->setContentsMargins(margins.left(), margins.top() + shift, margins.right(),
                                         margins.bottom() - shift);
    update();
    updateExpandIndicator();
    Q_EMIT minimizedChanged(minimized);
}

void CardWidgetBaseHeader::updateExpandIndicator()
{
    QLabel *indicator = d->form->expandIndicator;
    indicator->setVisible(d->expandable);
    if (!d->expandable) {
        return;
    }
    static const QString up = QStringLiteral("chevron.up");
    static const QString down = QStringLiteral("chevron.down");
    static const QString right = QStringLiteral("chevron.right");
    static const QString left = QStringLiteral("chevron.left");
    const int size = d->minimized ? 12 : 20;
    // Collapsed, the chevron points the way the text reads.
    const QString &name = d->expanded ? (d->invertedAppearance ? up : down) : (isRightToLeft() ? left : right);
    QIcon icon;
    if (underMouse() && isEnabled()) {
        // The style answers SP_CustomBase with a highlighted rendering of the icon named here.
        indicator->setProperty("highlightedIcon", name);
        icon = style()->standardIcon(QStyle::SP_CustomBase, nullptr, indicator);
    } else {
        icon = QIcon::fromTheme(QString(name + QLatin1String(".ForegroundBrush")));
    }
    d->expandIndicatorPixmap->setPixmap([icon, size](qreal ratio) { return Internal::iconPixmap(icon, size, ratio); });
}

void CardWidgetBaseHeader::expandShortcut()
{
    // Like the mouse, the keys only act on a header the user can expand.
    if (!d->expandable || !underMouse() || d->sideWidgetUnderMouse()) {
        return;
    }
    setExpanded(!d->expanded);
}

void CardWidgetBaseHeader::mouseReleaseEvent(QMouseEvent *event)
{
    if (!d->expandable) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (!d->sideWidgetUnderMouse()) {
        setExpanded(!d->expanded);
    }
}

void CardWidgetBaseHeader::enterEvent(Compat::EnterEvent *event)
{
    QWidget::enterEvent(event);
    updateExpandIndicator();
    // The hover shortcuts are made at the first hover, as they act only while the pointer is over the header: making,
    // enabling and deleting a shortcut each walk through all the shortcuts of the application.
    if (d->shortcuts.isEmpty()) {
        for (const int key : {Qt::Key_Space, Qt::Key_Enter, Qt::Key_Return}) {
            auto *shortcut = new QShortcut(QKeySequence(key), this);
            shortcut->setContext(Qt::WindowShortcut);
            d->shortcuts.append(shortcut);
            connect(shortcut, &QShortcut::activated, this, &CardWidgetBaseHeader::expandShortcut);
        }
    }
    for (QShortcut *shortcut : qAsConst(d->shortcuts)) {
        shortcut->setEnabled(true);
    }
}

void CardWidgetBaseHeader::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    updateExpandIndicator();
    for (QShortcut *shortcut : qAsConst(d->shortcuts)) {
        shortcut->setEnabled(false);
    }
}

void CardWidgetBaseHeader::paintEvent(QPaintEvent *event)
{
    // Re-read the theme font so that a theme change takes effect at the next paint.
    const QFont font = d->themeTitleFont();
    if (d->form->title->font() != font) {
        d->form->title->setFont(font);
    }
    QWidget::paintEvent(event);
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

void CardWidgetBaseHeader::keyPressEvent(QKeyEvent *event)
{
    if (d->expandable && CardWidgetBaseHeaderPrivate::isToggleKey(event) && !event->isAutoRepeat()) {
        setExpanded(!d->expanded);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CardWidgetBaseHeader::event(QEvent *event)
{
    // The window-wide hover shortcuts would take these keys from the header that has the focus.
    if (event->type() == QEvent::ShortcutOverride && d->expandable
        && CardWidgetBaseHeaderPrivate::isToggleKey(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void CardWidgetBaseHeader::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The indicator shows a pixmap drawn from the style and the icon theme: a new look must redraw it.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::ThemeChange || event->type() == QEvent::LayoutDirectionChange) {
        updateExpandIndicator();
    } else if (event->type() == QEvent::LanguageChange) {
        d->nameMenuButton();
    }
}

namespace {

using Accessibility::WidgetAccessible;

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

[[maybe_unused]] const bool headerInterface = Accessibility::registerInterface(
    "Nalu::Components::CardWidgetBaseHeader", Accessibility::make<CardWidgetBaseHeader, HeaderAccessible>);

} // namespace

} // namespace Components
} // namespace Nalu
