// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ExpanderWidget.h>

#include <ComponentsLibrary/CardWidgetBaseHeader.h>

#include "Accessibility_p.h"

#include <QApplication>

#include <QLayout>
#include <QPointer>

namespace Nalu {
namespace Components {

ExpanderWidget::ExpanderWidget(QWidget *parent)
    : CardWidgetBase(parent)
{
    init();
}

ExpanderWidget::ExpanderWidget(const QString &title, QWidget *parent)
    : CardWidgetBase(title, parent)
{
    init();
}

ExpanderWidget::ExpanderWidget(const QString &title, const QString &subtitle, QWidget *parent)
    : CardWidgetBase(title, subtitle, parent)
{
    init();
}

ExpanderWidget::~ExpanderWidget() = default;

void ExpanderWidget::init()
{
    setShape(NoFrame);
    // Before the connection: the contents container stays hidden until there are contents.
    header()->setExpandable(true);
    header()->setExpanded(true);
    connect(header(), &CardWidgetBaseHeader::expandedChanged, this, &ExpanderWidget::onHeaderExpandedChanged);
    connect(header(), &CardWidgetBaseHeader::expandableChanged, this, [this] {
        QAccessible::State changed;
        changed.expandable = true;
        changed.expanded = true;
        changed.collapsed = true;
        Accessibility::notifyState(this, changed);
    });
    header()->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Maximum);
    setSizePolicy(QSizePolicy::MinimumExpanding, sizePolicy().verticalPolicy());
}

bool ExpanderWidget::isExpanded() const
{
    return header()->isExpanded();
}

bool ExpanderWidget::isExpandable() const
{
    return header()->isExpandable();
}

bool ExpanderWidget::isMinimized() const
{
    return header()->isMinimized();
}

QSize ExpanderWidget::sizeHint() const
{
    QSize hint = CardWidgetBase::sizeHint();
    if (!isExpanded()) {
        const QMargins margins = layout()->contentsMargins();
        hint.setHeight(margins.top() + margins.bottom() + header()->sizeHint().height());
    }
    return hint;
}

void ExpanderWidget::setContentsWidget(QWidget *widget)
{
    setUpdatesEnabled(false);
    CardWidgetBase::setContentsWidget(widget);
    contentsContainer()->setVisible(getContentsWidget() && isExpanded());
    setUpdatesEnabled(true);
}

void ExpanderWidget::setFooterWidget(QWidget *widget)
{
    setUpdatesEnabled(false);
    CardWidgetBase::setFooterWidget(widget);
    footerContainer()->setVisible(getFooterWidget() && isExpanded());
    setUpdatesEnabled(true);
}

void ExpanderWidget::setExpanded(bool expanded)
{
    header()->setExpanded(expanded);
}

void ExpanderWidget::setExpandable(bool expandable)
{
    header()->setExpandable(expandable);
}

void ExpanderWidget::expand()
{
    setExpanded(true);
}

void ExpanderWidget::collapse()
{
    setExpanded(false);
}

void ExpanderWidget::setMinimized(bool minimized)
{
    header()->setMinimized(minimized);
}

void ExpanderWidget::onHeaderExpandedChanged(bool expanded)
{
    // Freezing the whole window while parts appear or vanish avoids painting intermediate layouts.
    QList<QPointer<QWidget>> frozen;
    for (QWidget *widget = this; widget; widget = widget->parentWidget()) {
        widget->setUpdatesEnabled(false);
        frozen.append(widget);
    }
    // The focus must not vanish with the contents: it goes to the header that folded them.
    QWidget *focus = QApplication::focusWidget();
    if (!expanded && focus && (contentsContainer()->isAncestorOf(focus) || footerContainer()->isAncestorOf(focus))
        && header()->focusPolicy() != Qt::NoFocus) {
        header()->setFocus(Qt::OtherFocusReason);
    }
    contentsContainer()->setVisible(expanded && getContentsWidget());
    footerContainer()->setVisible(expanded && getFooterWidget());
    for (QWidget *widget = this; widget; widget = widget->parentWidget()) {
        if (widget->layout()) {
            widget->layout()->invalidate();
        }
    }
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    Accessibility::notifyState(this, changed);
    Q_EMIT expandedChanged(expanded);
    // A receiver may have deleted some of them, even this expander.
    for (const QPointer<QWidget> &widget : qAsConst(frozen)) {
        if (widget) {
            widget->setUpdatesEnabled(true);
        }
    }
}

} // namespace Components
} // namespace Nalu
