// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CardWidgetBase.h>

#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/RoundedPixmap.h>

#include "Accessibility_p.h"
#include "WidgetTree_p.h"

#include <QChildEvent>
#include <QHBoxLayout>
#include <QMetaEnum>
#include <QPointer>
#include <QRubberBand>
#include <QVBoxLayout>
#include <QVariant>

namespace Nalu {
namespace Components {

class CardWidgetBasePrivate
{
public:
    QVBoxLayout *layout = nullptr;
    CardWidgetBaseHeader *header = nullptr;
    QWidget *contentsContainer = nullptr;
    QWidget *footerContainer = nullptr;
    // Observed only: once replaced by another kind of widget the caller owns it and may delete it.
    QPointer<RoundedPixmap> contentsImage;
    CardWidgetBase::Shape shape = CardWidgetBase::Box;
    bool headerVisible = true;
    bool footerVisible = false;

    static QWidget *firstWidgetChild(const QWidget *container)
    {
        for (QObject *child : container->children()) {
            if (child->isWidgetType()) {
                return static_cast<QWidget *>(child);
            }
        }
        return nullptr;
    }

    static void release(QWidget *container, QWidget *widget)
    {
        if (container->layout()) {
            container->layout()->removeWidget(widget);
        }
        widget->setParent(nullptr);
    }
};

namespace {

// Calls onName(child) whenever the child is renamed to a name starting with prefix.
template<typename Handler>
void watchName(QObject *child, const QString &prefix, Handler onName)
{
    QObject::connect(
        child, &QObject::objectNameChanged, child,
        [child, prefix, onName](const QString &name) {
            if (name.startsWith(prefix) && child->isWidgetType()) {
                onName(static_cast<QWidget *>(child));
            }
        },
        Qt::DirectConnection);
}

} // namespace

CardWidgetBase::CardWidgetBase(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<CardWidgetBasePrivate>())
{
    d->layout = new QVBoxLayout(this);
    d->header = new CardWidgetBaseHeader(this);
    d->contentsContainer = new QWidget(this);
    d->footerContainer = new QWidget(this);

    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    d->header->setUpperCaseTitle(true);
    d->layout->addWidget(d->header);
    d->layout->addWidget(d->contentsContainer);
    d->layout->addWidget(d->footerContainer);
    d->layout->setContentsMargins(0, 0, 0, 0);
    d->layout->setSpacing(0);
    d->contentsContainer->hide();
    d->footerContainer->hide();

    d->header->setProperty("CardWidgetBase_Header", true);
    d->header->setProperty("shape", int(d->shape));
    d->contentsContainer->setProperty("CardWidgetBase_Contents", true);
    d->contentsContainer->setProperty("shape", int(d->shape));
    d->contentsContainer->setProperty("headerVisible", true);
    d->contentsContainer->setProperty("footerVisible", false);
    d->footerContainer->setProperty("CardWidgetBase_Footer", true);
    d->footerContainer->setProperty("shape", int(d->shape));

    // Changes made on the header directly reach the frame too, so the frame's signals never miss one.
    connect(d->header, &CardWidgetBaseHeader::titleChanged, this, &CardWidgetBase::setTitle);
    connect(d->header, &CardWidgetBaseHeader::subtitleChanged, this, &CardWidgetBase::setSubtitle);
    connect(d->header, &CardWidgetBaseHeader::upperCaseTitleChanged, this, &CardWidgetBase::setUpperCaseTitle);
    connect(d->header, &CardWidgetBaseHeader::invertedAppearanceChanged, this, &CardWidgetBase::setInvertedAppearance);
    connect(d->header, &CardWidgetBaseHeader::titleChanged, this, &CardWidgetBase::titleChanged);
    connect(d->header, &CardWidgetBaseHeader::subtitleChanged, this, &CardWidgetBase::subtitleChanged);
    connect(d->header, &CardWidgetBaseHeader::upperCaseTitleChanged, this, &CardWidgetBase::upperCaseTitleChanged);
    connect(d->header, &CardWidgetBaseHeader::invertedAppearanceChanged, this,
            &CardWidgetBase::invertedAppearanceChanged);
    // The title is the card's accessible name.
    connect(d->header, &CardWidgetBaseHeader::titleChanged, this,
            [this] { Accessibility::notify(this, QAccessible::NameChanged); });
}

CardWidgetBase::CardWidgetBase(const QString &title, QWidget *parent)
    : CardWidgetBase(parent)
{
    setTitle(title);
}

CardWidgetBase::CardWidgetBase(const QString &title, const QString &subtitle, QWidget *parent)
    : CardWidgetBase(title, parent)
{
    setSubtitle(subtitle);
}

CardWidgetBase::~CardWidgetBase() = default;

const QString &CardWidgetBase::title() const
{
    return d->header->title();
}

const QString &CardWidgetBase::subtitle() const
{
    return d->header->subtitle();
}

bool CardWidgetBase::hasUpperCaseTitle() const
{
    return d->header->hasUpperCaseTitle();
}

bool CardWidgetBase::hasInvertedAppearance() const
{
    return d->header->hasInvertedAppearance();
}

CardWidgetBase::Shape CardWidgetBase::shape() const
{
    return d->shape;
}

bool CardWidgetBase::isHeaderVisible() const
{
    return d->headerVisible;
}

bool CardWidgetBase::isFooterVisible() const
{
    return d->footerVisible;
}

QMenu *CardWidgetBase::getMenu() const
{
    return d->header->getMenu();
}

void CardWidgetBase::setMenu(QMenu *menu)
{
    d->header->setMenu(menu);
}

QWidget *CardWidgetBase::getHeaderRightWidget() const
{
    return d->header->getHeaderRightWidget();
}

void CardWidgetBase::setHeaderRightWidget(QWidget *widget)
{
    d->header->setHeaderRightWidget(widget);
}

QWidget *CardWidgetBase::getHeaderBottomWidget() const
{
    return d->header->getHeaderBottomWidget();
}

void CardWidgetBase::setHeaderBottomWidget(QWidget *widget)
{
    d->header->setHeaderBottomWidget(widget);
}

QWidget *CardWidgetBase::getContentsWidget() const
{
    return CardWidgetBasePrivate::firstWidgetChild(d->contentsContainer);
}

void CardWidgetBase::setContentsWidget(QWidget *widget)
{
    if (!Internal::mayAdopt(d->contentsContainer, widget, "CardWidgetBase::setContentsWidget")) {
        return;
    }
    QWidget *old = getContentsWidget();
    // A contents widget built by a designer form belongs to the form and stays.
    if (old && !old->objectName().startsWith(QLatin1String("contentsWidget"))) {
        CardWidgetBasePrivate::release(d->contentsContainer, old);
    }
    if (widget) {
        widget->setParent(d->contentsContainer);
        if (!d->contentsContainer->layout()) {
            new QHBoxLayout(d->contentsContainer);
            updateContentsLayoutMargins();
        }
        d->contentsContainer->layout()->addWidget(widget);
        d->contentsContainer->setSizePolicy(widget->sizePolicy());
        if (auto *image = qobject_cast<RoundedPixmap *>(widget)) {
            if (d->contentsImage && d->contentsImage != image) {
                d->contentsImage->deleteLater();
            }
            d->contentsImage = image;
            updateContentImageCornerFlags();
        }
    }
    d->contentsContainer->setVisible(widget != nullptr);
    // Tab reaches the contents after the header, also when they come after other widgets of the window.
    Keyboard::placeInFocusChain(d->contentsContainer, d->contentsContainer);
    update();
}

void CardWidgetBase::setContentsImage(const QPixmap &pixmap)
{
    if (!d->contentsImage) {
        d->contentsImage = new RoundedPixmap(pixmap, this);
    } else {
        d->contentsImage->setPixmap(pixmap);
    }
    setContentsWidget(d->contentsImage);
    updateContentImageCornerFlags();
}

QWidget *CardWidgetBase::getFooterWidget() const
{
    return CardWidgetBasePrivate::firstWidgetChild(d->footerContainer);
}

void CardWidgetBase::setFooterWidget(QWidget *widget)
{
    if (!Internal::mayAdopt(d->footerContainer, widget, "CardWidgetBase::setFooterWidget")) {
        return;
    }
    if (QWidget *old = getFooterWidget()) {
        CardWidgetBasePrivate::release(d->footerContainer, old);
    }
    if (widget) {
        widget->setParent(d->footerContainer);
        if (!d->footerContainer->layout()) {
            new QHBoxLayout(d->footerContainer);
        }
        d->footerContainer->layout()->addWidget(widget);
        Keyboard::placeInFocusChain(d->footerContainer, d->footerContainer);
    }
    setFooterVisible(widget != nullptr);
    update();
}

QSize CardWidgetBase::sizeHint() const
{
    const QMargins margins = d->layout->contentsMargins();
    const int spacing = d->layout->spacing();
    const QSize header = d->header->sizeHint();
    const QSize contents = d->contentsContainer->sizeHint();
    const QSize footer = d->footerContainer->sizeHint();
    const int width = margins.left() + margins.right() + qMax(header.width(), qMax(contents.width(), footer.width()));
    int height = margins.top() + margins.bottom();
    if (d->header->isVisible()) {
        height += header.height();
    }
    if (d->contentsContainer->isVisible()) {
        height += spacing + contents.height();
    }
    if (d->footerContainer->isVisible()) {
        height += spacing + footer.height();
    }
    return {width, height};
}

void CardWidgetBase::setTitle(const QString &title)
{
    d->header->setTitle(title);
}

void CardWidgetBase::setSubtitle(const QString &subtitle)
{
    d->header->setSubtitle(subtitle);
}

void CardWidgetBase::setUpperCaseTitle(bool upperCaseTitle)
{
    d->header->setUpperCaseTitle(upperCaseTitle);
}

void CardWidgetBase::setInvertedAppearance(bool invertedAppearance)
{
    // A change re-enters through the header's signal, which reorders before the frame's signal goes out.
    d->header->setInvertedAppearance(invertedAppearance);
    const bool inverted = d->header->hasInvertedAppearance();
    QWidget *const parts[] = {d->header, d->contentsContainer, d->footerContainer};
    for (QWidget *part : parts) {
        d->layout->removeWidget(part);
    }
    for (int i = 0; i < 3; ++i) {
        d->layout->addWidget(parts[inverted ? 2 - i : i]);
    }
    for (QWidget *part : parts) {
        part->setProperty("invertedAppearance", inverted);
    }
    updateContentsLayoutMargins();
    updateContentImageCornerFlags();
    update();
}

void CardWidgetBase::setShape(Shape shape)
{
    const QMetaEnum shapes = QMetaEnum::fromType<Shape>();
    if (!shapes.valueToKey(shape)) {
        qWarning("Nalu::Components::CardWidgetBase::setShape: %d is not a Shape, the shape stays %s", int(shape),
                 shapes.valueToKey(d->shape));
        return;
    }
    if (d->shape == shape) {
        return;
    }
    d->shape = shape;
    for (QWidget *part : {static_cast<QWidget *>(d->header), d->contentsContainer, d->footerContainer}) {
        part->setProperty("shape", int(shape));
    }
    update();
    Q_EMIT shapeChanged(shape);
}

void CardWidgetBase::setHeaderVisible(bool headerVisible)
{
    if (d->headerVisible == headerVisible) {
        return;
    }
    d->headerVisible = headerVisible;
    d->header->setVisible(headerVisible);
    d->contentsContainer->setProperty("headerVisible", headerVisible);
    updateContentsLayoutMargins();
    updateContentImageCornerFlags();
    update();
    Q_EMIT headerVisibleChanged(headerVisible);
}

void CardWidgetBase::setFooterVisible(bool footerVisible)
{
    if (d->footerVisible == footerVisible) {
        return;
    }
    d->footerVisible = footerVisible;
    d->footerContainer->setVisible(footerVisible);
    d->contentsContainer->setProperty("footerVisible", footerVisible);
    updateContentsLayoutMargins();
    updateContentImageCornerFlags();
    update();
    Q_EMIT footerVisibleChanged(footerVisible);
}

CardWidgetBaseHeader *CardWidgetBase::header() const
{
    return d->header;
}

QWidget *CardWidgetBase::contentsContainer() const
{
    return d->contentsContainer;
}

QWidget *CardWidgetBase::footerContainer() const
{
    return d->footerContainer;
}

void CardWidgetBase::setContentsContainer(QWidget *widget)
{
    if (!widget || widget == d->contentsContainer
        || !Internal::mayAdopt(this, widget, "CardWidgetBase::setContentsContainer")) {
        return;
    }
    d->layout->removeWidget(d->contentsContainer);
    d->contentsContainer->deleteLater();
    d->contentsContainer = widget;
    if (widget->parentWidget() != this) {
        widget->setParent(this);
    }
    widget->setProperty("CardWidgetBase_Contents", true);
    widget->setProperty("shape", int(d->shape));
    setInvertedAppearance(d->header->hasInvertedAppearance());
}

void CardWidgetBase::updateContentImageCornerFlags()
{
    if (!d->contentsImage) {
        return;
    }
    Helpers::StraightCornerFlags flags = Helpers::NoStraightCorner;
    const Helpers::StraightCornerFlags top = Helpers::TopLeftCorner | Helpers::TopRightCorner;
    const Helpers::StraightCornerFlags bottom = Helpers::BottomLeftCorner | Helpers::BottomRightCorner;
    const bool inverted = d->header->hasInvertedAppearance();
    if (d->headerVisible && d->footerVisible) {
        flags = top | bottom;
    } else if (d->headerVisible) {
        flags = inverted ? bottom : top;
    } else if (d->footerVisible) {
        flags = inverted ? top : bottom;
    }
    d->contentsImage->setStraightCornerFlags(flags);
}

void CardWidgetBase::updateContentsLayoutMargins()
{
    QLayout *layout = d->contentsContainer->layout();
    if (!layout) {
        return;
    }
    // The side joined to the header has no border of its own.
    const int joined = d->headerVisible ? 0 : 1;
    if (d->header->hasInvertedAppearance()) {
        layout->setContentsMargins(1, 1, 1, joined);
    } else {
        layout->setContentsMargins(1, joined, 1, 1);
    }
}

bool CardWidgetBase::event(QEvent *event)
{
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::ChildAdded) {
        watchName(static_cast<QChildEvent *>(event)->child(), QStringLiteral("contentsContainer"),
                  [this](QWidget *child) {
                      setContentsContainer(child);
                      child->installEventFilter(this);
                  });
    }
    return result;
}

bool CardWidgetBase::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        watchName(static_cast<QChildEvent *>(event)->child(), QStringLiteral("contentsWidget"),
                  [this](QWidget *child) { setContentsWidget(child); });
        d->contentsContainer->removeEventFilter(this);
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

using Accessibility::WidgetAccessible;

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

[[maybe_unused]] const bool cardInterface = Accessibility::registerInterface(
    "Nalu::Components::CardWidgetBase", Accessibility::make<CardWidgetBase, CardAccessible>);

} // namespace

} // namespace Components
} // namespace Nalu
