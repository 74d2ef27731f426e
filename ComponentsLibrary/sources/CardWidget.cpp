// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CardWidget.h>

#include <ComponentsLibrary/CardWidgetBaseHeader.h>

#include "Accessibility_p.h"
#include "DevicePixels_p.h"

#include <QFocusFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRubberBand>
#include <QStyle>
#include <QVariant>

namespace Nalu {
namespace Components {

class CardWidgetPrivate
{
public:
    bool checkable = false;
    bool checked = false;
    QLabel *checkIndicator = nullptr;
    Internal::DevicePixmapLabel *checkIndicatorPixmap = nullptr;
    QRubberBand *highlight = nullptr;
    // The style's frame around a focused checkable card; it lives beside the card, in its parent.
    QPointer<QFocusFrame> focusFrame;
};

CardWidget::CardWidget(QWidget *parent)
    : CardWidgetBase(parent)
    , d(std::make_unique<CardWidgetPrivate>())
{
    init();
}

CardWidget::CardWidget(const QString &title, QWidget *parent)
    : CardWidgetBase(title, parent)
    , d(std::make_unique<CardWidgetPrivate>())
{
    init();
}

CardWidget::CardWidget(const QString &title, const QString &subtitle, QWidget *parent)
    : CardWidgetBase(title, subtitle, parent)
    , d(std::make_unique<CardWidgetPrivate>())
{
    init();
}

CardWidget::~CardWidget()
{
    delete d->focusFrame;
}

void CardWidget::init()
{
    // A rubber band stays above its siblings and lets the mouse through; the indicator inside it does too.
    d->highlight = new QRubberBand(QRubberBand::Rectangle, this);
    d->highlight->hide();
    d->checkIndicator = new QLabel(d->highlight);
    d->checkIndicator->hide();
    d->checkIndicatorPixmap = new Internal::DevicePixmapLabel(d->checkIndicator);

    connect(this, &CardWidgetBase::titleChanged, this, &CardWidget::updateCheckIndicatorPosition);
    connect(this, &CardWidgetBase::subtitleChanged, this, &CardWidget::updateCheckIndicatorPosition);
    connect(this, &CardWidgetBase::upperCaseTitleChanged, this, &CardWidget::updateCheckIndicatorPosition);
    connect(this, &CardWidgetBase::invertedAppearanceChanged, this, &CardWidget::updateCheckIndicatorPosition);

    header()->installEventFilter(this);
    contentsContainer()->installEventFilter(this);
    footerContainer()->installEventFilter(this);
}

bool CardWidget::isCheckable() const
{
    return d->checkable;
}

bool CardWidget::isChecked() const
{
    return d->checked;
}

void CardWidget::setCheckable(bool checkable)
{
    if (d->checkable == checkable) {
        return;
    }
    if (!checkable) {
        // A receiver of checkedChanged may delete this card (a group's receiver, say): nothing may follow then.
        const QPointer<CardWidget> self(this);
        setChecked(false);
        if (!self) {
            return;
        }
    }
    d->checkable = checkable;
    // Only a card that does something with the keys takes the focus.
    setFocusPolicy(checkable ? Qt::StrongFocus : Qt::NoFocus);
    QAccessible::State changed;
    changed.checkable = true;
    Accessibility::notifyState(this, changed);
    update();
    Q_EMIT checkableChanged(checkable);
}

void CardWidget::setChecked(bool checked)
{
    if (!d->checkable || d->checked == checked) {
        return;
    }
    d->checked = checked;
    d->checkIndicator->setVisible(checked);
    d->highlight->setVisible(checked);
    updateCheckIndicatorPosition();
    QAccessible::State changed;
    changed.checked = true;
    Accessibility::notifyState(this, changed);
    update();
    Q_EMIT checkedChanged(checked);
}

void CardWidget::updateCheckIndicatorPosition()
{
    if (!d->checkable) {
        return;
    }
    // The highlight covers the whole card, so card coordinates are the indicator's coordinates too.
    // Near the contents' bottom corner on the trailing side: bottom-left from right to left.
    const QRect contents = contentsContainer()->geometry();
    d->checkIndicator->setGeometry(isRightToLeft() ? contents.left() + 13 : contents.right() - 44,
                                   contents.bottom() - 44, 32, 32);
    d->highlight->setGeometry(rect());
    update();
}

bool CardWidget::event(QEvent *event)
{
    const bool result = CardWidgetBase::event(event);
    if (event->type() == QEvent::Polish) {
        d->checkIndicator->setProperty("highlightedIcon", QStringLiteral("status.checked.circular.colored"));
        // The disc hides the card's border under the mark.
        const QBrush brush = property(isEnabled() ? "BackgroundBrush" : "BackgroundBrushDisabled").value<QBrush>();
        const QIcon mark = style()->standardIcon(QStyle::SP_CustomBase, nullptr, d->checkIndicator);
        d->checkIndicatorPixmap->setPixmap([brush, mark](qreal ratio) {
            QPixmap pixmap(QSize(32, 32) * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setBrush(brush);
            painter.setPen(QPen(brush.color()));
            painter.drawEllipse(QRect(0, 0, 32, 32).adjusted(3, 3, -3, -3));
            painter.drawPixmap(0, 0, Internal::iconPixmap(mark, 32, ratio));
            return pixmap;
        });
    }
    return result;
}

bool CardWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::LayoutDirectionChange) {
        updateCheckIndicatorPosition();
    }
    return CardWidgetBase::eventFilter(watched, event);
}

void CardWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!d->checkable) {
        CardWidgetBase::mouseReleaseEvent(event);
    } else if (event->button() == Qt::LeftButton) {
        setChecked(!d->checked);
    } else {
        event->ignore();
    }
}

void CardWidget::resizeEvent(QResizeEvent *)
{
    updateCheckIndicatorPosition();
}

void CardWidget::setContentsContainer(QWidget *widget)
{
    if (!widget || widget == contentsContainer()) {
        return;
    }
    CardWidgetBase::setContentsContainer(widget);
    widget->installEventFilter(this);
}

void CardWidget::keyPressEvent(QKeyEvent *event)
{
    if (d->checkable && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier
        && !event->isAutoRepeat()) {
        setChecked(!d->checked);
        event->accept();
        return;
    }
    CardWidgetBase::keyPressEvent(event);
}

void CardWidget::focusInEvent(QFocusEvent *event)
{
    CardWidgetBase::focusInEvent(event);
    if (!d->focusFrame) {
        d->focusFrame = new QFocusFrame(this);
    }
    d->focusFrame->setWidget(this);
}

void CardWidget::focusOutEvent(QFocusEvent *event)
{
    CardWidgetBase::focusOutEvent(event);
    if (d->focusFrame) {
        d->focusFrame->setWidget(nullptr);
    }
}

} // namespace Components
} // namespace Nalu
