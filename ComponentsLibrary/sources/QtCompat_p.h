// SPDX-License-Identifier: MIT

#pragma once

// The few places where the Qt 5 and Qt 6 APIs that this library uses differ, kept
// in one place so that the rest of the code reads the same on both.

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QtGlobal>

namespace Nalu {
namespace Components {
namespace Compat {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
/** @brief The event type QWidget::enterEvent() receives (a QEnterEvent from Qt 6 on). */
using EnterEvent = QEnterEvent;

/** @brief The pointer position of @p event in the receiving widget, with sub-pixel precision. */
inline QPointF position(const QMouseEvent *event)
{
    return event->position();
}

/** @brief The delegate @p view paints @p index with. */
inline QAbstractItemDelegate *delegateForIndex(const QAbstractItemView *view, const QModelIndex &index)
{
    return view->itemDelegateForIndex(index);
}
#else
using EnterEvent = QEvent;

inline QPointF position(const QMouseEvent *event)
{
    return event->localPos();
}

inline QAbstractItemDelegate *delegateForIndex(const QAbstractItemView *view, const QModelIndex &index)
{
    return view->itemDelegate(index);
}
#endif

/** @brief The pointer position of @p event in the receiving widget, in whole pixels. */
inline QPoint point(const QMouseEvent *event)
{
    return position(event).toPoint();
}

} // namespace Compat
} // namespace Components
} // namespace Nalu
