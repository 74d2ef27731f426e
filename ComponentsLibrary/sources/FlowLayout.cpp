// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/FlowLayout.h>

#include "WidgetTree_p.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace Nalu {
namespace Components {

class FlowLayoutPrivate
{
public:
    FlowLayoutPrivate(int h, int v)
        : hSpace(h)
        , vSpace(v)
    {
    }

    QList<QLayoutItem *> items;
    int hSpace;
    int vSpace;
    // The object the resize filter is installed on; it may die before the layout.
    QPointer<QObject> watched;
};

namespace {

// Spacing between two push-button-like items when neither the layout nor its parent gives one.
// Items without a widget (spacers, nested layouts) ask the parent widget's style, then the
// application style, and never get a negative gap.
int fallbackSpacing(QLayoutItem *item, const QWidget *parentWidget, Qt::Orientation orientation)
{
    if (const QWidget *widget = item->widget()) {
        return widget->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, orientation);
    }
    const QStyle *style = parentWidget ? parentWidget->style() : QApplication::style();
    if (!style) {
        return 0;
    }
    return std::max(0, style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, orientation));
}

// size + (2 × left margin, 2 × top margin), saturating at the int range: a spacer's hint may be the largest int.
QSize withMargins(const QSize &size, const QMargins &margins)
{
    const auto add = [](int value, int margin) {
        return int(std::clamp(qint64(value) + 2 * qint64(margin), qint64(std::numeric_limits<int>::min()),
                              qint64(std::numeric_limits<int>::max())));
    };
    return QSize(add(size.width(), margins.left()), add(size.height(), margins.top()));
}

} // namespace

FlowLayout::FlowLayout(QWidget *parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent)
    , d(std::make_unique<FlowLayoutPrivate>(hSpacing, vSpacing))
{
    commonInit(margin);
    if (parent) {
        followParent();
    }
}

FlowLayout::FlowLayout(int margin, int hSpacing, int vSpacing)
    : QLayout()
    , d(std::make_unique<FlowLayoutPrivate>(hSpacing, vSpacing))
{
    commonInit(margin);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0)) {
        delete item;
    }
}

void FlowLayout::commonInit(int margin)
{
    setContentsMargins(margin, margin, margin, margin);
    installEventFilter(this);
}

void FlowLayout::followParent()
{
    QObject *current = parent();
    if (d->watched == current) {
        return;
    }
    if (d->watched) {
        d->watched->removeEventFilter(this);
    }
    d->watched = current;
    if (current) {
        current->installEventFilter(this);
    }
}

int FlowLayout::horizontalSpacing() const
{
    return d->hSpace >= 0 ? d->hSpace : smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalSpacing() const
{
    return d->vSpace >= 0 ? d->vSpace : smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

void FlowLayout::addItem(QLayoutItem *item)
{
    if (!item) {
        qWarning("Nalu::Components::FlowLayout::addItem: null item; ignored");
        return;
    }
    d->items.append(item);
    invalidate();
}

void FlowLayout::addWidget(QWidget *widget)
{
    // QLayout::addWidget() dereferences a null widget, and the parent widget or one of its ancestors would make
    // the widget tree a cycle.
    if (!widget) {
        qWarning("Nalu::Components::FlowLayout::addWidget: null widget; ignored");
        return;
    }
    if (QWidget *host = parentWidget(); host && !Internal::mayAdopt(host, widget, "FlowLayout::addWidget")) {
        return;
    }
    QLayout::addWidget(widget);
}

int FlowLayout::count() const
{
    return d->items.size();
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return index >= 0 && index < d->items.size() ? d->items.at(index) : nullptr;
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= d->items.size()) {
        return nullptr;
    }
    QLayoutItem *item = d->items.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return Qt::Horizontal;
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    // A rectangle cannot be negatively wide (its right edge overflows at the lowest int): no width is no width.
    return doLayout(QRect(0, 0, std::max(width, 0), 0), true);
}

void FlowLayout::setGeometry(const QRect &rect)
{
    followParent();
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

QSize FlowLayout::sizeHint() const
{
    QSize size;
    for (const QLayoutItem *item : qAsConst(d->items)) {
        size = size.expandedTo(item->sizeHint());
    }
    return withMargins(size, contentsMargins());
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : qAsConst(d->items)) {
        size = size.expandedTo(item->minimumSize());
    }
    return withMargins(size, contentsMargins());
}

void FlowLayout::invalidate()
{
    // QWidget::setLayout() reparents a layout without any event the layout could see, but it
    // invalidates the layout right after: the resize filter moves to the new parent here.
    followParent();
    QLayout::invalidate();
}

bool FlowLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && parent()) {
        if (event->type() == QEvent::ParentChange) {
            followParent();
        } else if (event->type() == QEvent::ParentAboutToChange && d->watched) {
            d->watched->removeEventFilter(this);
            d->watched = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }
    if (watched == parent() && event->type() == QEvent::Resize && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const int height = heightForWidth(widget->width());
        switch (widget->sizePolicy().verticalPolicy()) {
        case QSizePolicy::Fixed:
            widget->setFixedHeight(height);
            return true;
        case QSizePolicy::Maximum:
            widget->setMaximumHeight(height);
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

int FlowLayout::doLayout(const QRect &rect, bool testOnly) const
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    getContentsMargins(&left, &top, &right, &bottom);
    const QRect effective = rect.adjusted(+left, +top, -right, -bottom);
    // Rows are laid out from the left, then mirrored when they fill from the right, as in box layouts.
    const QWidget *owner = parentWidget();
    const Qt::LayoutDirection direction = owner ? owner->layoutDirection() : QGuiApplication::layoutDirection();
    int x = effective.x();
    int y = effective.y();
    int lineHeight = 0;

    // The spacings cannot change during one pass: resolve them once, not per item.
    const int hSpacing = horizontalSpacing();
    const int vSpacing = verticalSpacing();

    for (QLayoutItem *item : qAsConst(d->items)) {
        if (item->isEmpty()) {
            continue;
        }
        const int spaceX = hSpacing == -1 ? fallbackSpacing(item, owner, Qt::Horizontal) : hSpacing;
        const int spaceY = vSpacing == -1 ? fallbackSpacing(item, owner, Qt::Vertical) : vSpacing;
        const QSize hint = item->sizeHint();
        int nextX = x + hint.width() + spaceX;
        if (nextX - spaceX > effective.right() && lineHeight > 0) {
            x = effective.x();
            y = y + lineHeight + spaceY;
            nextX = x + hint.width() + spaceX;
            lineHeight = 0;
        }
        if (!testOnly) {
            item->setGeometry(QStyle::visualRect(direction, effective, QRect(QPoint(x, y), hint)));
        }
        x = nextX;
        lineHeight = std::max(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + bottom;
}

int FlowLayout::smartSpacing(QStyle::PixelMetric pm) const
{
    QObject *owner = parent();
    if (!owner) {
        return -1;
    }
    if (owner->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(owner);
        return widget->style()->pixelMetric(pm, nullptr, widget);
    }
    const auto *layout = qobject_cast<const QLayout *>(owner);
    return layout ? layout->spacing() : -1;
}

} // namespace Components
} // namespace Nalu
