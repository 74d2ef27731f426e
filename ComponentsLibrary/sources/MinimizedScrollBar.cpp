// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/MinimizedScrollBar.h>

#include "QtCompat_p.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPointer>
#include <QPropertyAnimation>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>

namespace Nalu {
namespace Components {

namespace {
constexpr int ExpandDelayMs = 100;
constexpr int ShrinkDelayMs = 1000;
constexpr int ShrinkDurationMs = 200;
} // namespace

namespace {

// The animation runs from the thickness the bar has down to the minimized one; a thickness beyond both the
// style's and the current one is no state of the bar, and a huge one breaks the layouts and the painting.
int fullThickness(const QScrollBar *bar)
{
    const QSize hint = bar->QScrollBar::sizeHint();
    return bar->orientation() == Qt::Horizontal ? qMax(hint.height(), bar->height()) : qMax(hint.width(), bar->width());
}

} // namespace

class MinimizedScrollBarPrivate
{
public:
    bool minimized = true;
    bool transient = false;
    int animatedSize = -1;
    QTimer *shrinkTimer = nullptr;
    QPropertyAnimation *animation = nullptr;
    // The area our filter sits on: removed from exactly that one even if the chain changed meanwhile. Held as a
    // plain QObject: while the area is being destroyed (and takes this bar with it) it is no longer a scroll area.
    QPointer<QObject> filteredArea;
};

MinimizedScrollBar::MinimizedScrollBar(QWidget *parent, Qt::Orientation orientation)
    : QScrollBar(orientation, parent)
    , d(std::make_unique<MinimizedScrollBarPrivate>())
{
    d->shrinkTimer = new QTimer(this);
    d->shrinkTimer->setInterval(ShrinkDelayMs);
    d->shrinkTimer->setSingleShot(true);
    d->animation = new QPropertyAnimation(this);
    connect(d->shrinkTimer, &QTimer::timeout, this, &MinimizedScrollBar::startShrinking);

    d->animation->setDuration(ShrinkDurationMs);
    d->animation->setTargetObject(this);
    d->animation->setPropertyName("animatedSize");
    d->animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(d->animation, &QVariantAnimation::valueChanged, this, [this]() { updateGeometry(); });
    // The size hint falls back to the thin thickness at the next layout pass; no request of our own.
    connect(d->animation, &QAbstractAnimation::finished, this, [this]() { d->animatedSize = -1; });

    // A bar created inside its scroll area gets no ParentChange: hook up now.
    if (QAbstractScrollArea *area = getParentScrollArea()) {
        area->installEventFilter(this);
        d->filteredArea = area;
    }
}

MinimizedScrollBar::~MinimizedScrollBar()
{
    // Stop while this object is still whole: neither may call back into a half-destroyed bar.
    d->shrinkTimer->stop();
    d->animation->stop();
    if (d->filteredArea) {
        d->filteredArea->removeEventFilter(this);
    }
}

bool MinimizedScrollBar::isMinimized() const
{
    return d->minimized;
}

bool MinimizedScrollBar::isTransient() const
{
    return d->transient;
}

int MinimizedScrollBar::getAnimatedSize() const
{
    return d->animatedSize;
}

void MinimizedScrollBar::setMinimized(bool minimized)
{
    if (d->minimized == minimized) {
        return;
    }
    d->minimized = minimized;
    updateGeometry();
    Q_EMIT minimizedChanged(minimized);
}

void MinimizedScrollBar::setTransient(bool transient)
{
    if (d->transient == transient) {
        return;
    }
    d->transient = transient;
    updateParentScrollAreaScrollBarPolicy();
    Q_EMIT transientChanged(transient);
}

void MinimizedScrollBar::setAnimatedSize(int animatedSize)
{
    if (animatedSize < -1 || animatedSize > fullThickness(this)) {
        qWarning("Nalu::Components::MinimizedScrollBar::setAnimatedSize: %d is outside -1 and the bar's full "
                 "thickness; the size hint keeps to that range",
                 animatedSize);
    }
    d->animatedSize = animatedSize;
}

int MinimizedScrollBar::getMinimumSize() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QSize size = style()->sizeFromContents(QStyle::CT_ScrollBar, &option, QSize(), this);
    return orientation() == Qt::Horizontal ? size.height() : size.width();
}

QSize MinimizedScrollBar::sizeHint() const
{
    QSize hint = QScrollBar::sizeHint();
    int thickness = -1;
    if (d->animatedSize != -1) {
        thickness = qBound(0, d->animatedSize, fullThickness(this));
    } else if (d->minimized) {
        thickness = getMinimumSize();
    }
    if (thickness != -1) {
        if (orientation() == Qt::Horizontal) {
            hint.setHeight(thickness);
        } else {
            hint.setWidth(thickness);
        }
    }
    return hint;
}

QSize MinimizedScrollBar::minimumSizeHint() const
{
    return sizeHint();
}

QAbstractScrollArea *MinimizedScrollBar::getParentScrollArea() const
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QAbstractScrollArea *>(w)) {
            return area;
        }
    }
    return nullptr;
}

void MinimizedScrollBar::updateParentScrollAreaScrollBarPolicy()
{
    QAbstractScrollArea *area = getParentScrollArea();
    if (!d->transient || !area) {
        return;
    }
    const bool hide = !isEnabled() || !area->underMouse();
    const Qt::ScrollBarPolicy policy = hide ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    if (orientation() == Qt::Horizontal) {
        area->setHorizontalScrollBarPolicy(policy);
    } else {
        area->setVerticalScrollBarPolicy(policy);
    }
    if (hide) {
        setMinimized(true);
    }
}

void MinimizedScrollBar::enterEvent(Compat::EnterEvent *event)
{
    d->shrinkTimer->stop();
    QScrollBar::enterEvent(event);
    if (isEnabled()) {
        // Bound to this bar: dropped if the bar dies first.
        QTimer::singleShot(ExpandDelayMs, this, [this]() {
            if (underMouse() && isEnabled()) {
                setMinimized(false);
            }
        });
    }
}

void MinimizedScrollBar::leaveEvent(QEvent *event)
{
    QScrollBar::leaveEvent(event);
    if (isEnabled()) {
        d->shrinkTimer->start();
    }
}

void MinimizedScrollBar::startShrinking()
{
    d->animation->stop();
    const int thickness = orientation() == Qt::Horizontal ? geometry().height() : geometry().width();
    d->animatedSize = thickness;
    setMinimized(true);
    d->animation->setStartValue(thickness);
    d->animation->setEndValue(getMinimumSize());
    d->animation->start();
}

bool MinimizedScrollBar::event(QEvent *event)
{
    const bool result = QScrollBar::event(event);
    if (event->type() == QEvent::ParentChange) {
        if (QAbstractScrollArea *area = getParentScrollArea()) {
            area->installEventFilter(this);
            d->filteredArea = area;
            updateParentScrollAreaScrollBarPolicy();
        }
    } else if (event->type() == QEvent::ParentAboutToChange) {
        if (d->filteredArea) {
            d->filteredArea->removeEventFilter(this);
            d->filteredArea.clear();
        }
    }
    return result;
}

bool MinimizedScrollBar::eventFilter(QObject *watched, QEvent *event)
{
    QAbstractScrollArea *area = getParentScrollArea();
    if (area && watched == area) {
        if (event->type() == QEvent::Enter) {
            QTimer::singleShot(ExpandDelayMs, this, [this]() {
                QAbstractScrollArea *current = getParentScrollArea();
                if (current && current->underMouse()) {
                    updateParentScrollAreaScrollBarPolicy();
                }
            });
        } else if (event->type() == QEvent::Leave) {
            updateParentScrollAreaScrollBarPolicy();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Components
} // namespace Nalu
