// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QLayout>
#include <QStyle>

#include <memory>

namespace Nalu {
namespace Components {

class FlowLayoutPrivate;

/**
 * @brief A layout placing its items left to right in rows, wrapping like words in a paragraph.
 *
 * Each item gets exactly its size hint; a new row starts when the next item would cross the right
 * edge, and an item wider than the row stays alone on its row. Hidden items take no place. A
 * negative spacing is taken from the parent (the parent widget's style or the parent layout's
 * spacing). When the parent widget's vertical size policy is Fixed or Maximum, the layout keeps
 * its fixed or maximum height equal to the height the items need at its current width.
 */
class COMPONENTSLIBRARY_EXPORT FlowLayout : public QLayout
{
    Q_OBJECT

public:
    /** @brief Creates the layout on @p parent; negative values take margins and spacings from the parent. */
    explicit FlowLayout(QWidget *parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    /** @brief Creates a parentless layout; negative values take margins and spacings from the parent. */
    explicit FlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~FlowLayout() override;

    /** @brief Gap between items of a row: the stored value, or the parent's when it is negative. */
    int horizontalSpacing() const;
    /** @brief Gap between rows: the stored value, or the parent's when it is negative. */
    int verticalSpacing() const;

    /** @brief Appends @p item, which the layout owns from now on, and invalidates the layout; null is ignored with a
     * warning. */
    void addItem(QLayoutItem *item) override;
    /** @brief Appends @p widget as QLayout::addWidget() does; null, the parent widget and its ancestors are ignored
     * with a warning. */
    void addWidget(QWidget *widget);
    /** @brief The number of items. */
    int count() const override;
    /** @brief The item at @p index, or null when the index is out of range. */
    QLayoutItem *itemAt(int index) const override;
    /** @brief Removes the item at @p index and hands it to the caller, or returns null when the index is out of range.
     */
    QLayoutItem *takeAt(int index) override;
    /** @brief Qt::Horizontal: the layout grows in width, not in height. */
    Qt::Orientations expandingDirections() const override;
    /** @brief True: the height depends on the width. */
    bool hasHeightForWidth() const override;
    /** @brief The height that the rows need at @p width, margins included. */
    int heightForWidth(int width) const override;
    /** @brief Places the items in rows inside @p rect, each at its size hint. */
    void setGeometry(const QRect &rect) override;
    /** @brief The largest size hint of the items, plus twice the left and top margins. */
    QSize sizeHint() const override;
    /** @brief The largest minimum size of the items, plus twice the left and top margins. */
    QSize minimumSize() const override;
    /** @brief Moves the resize watch to the layout's current parent (QWidget::setLayout() reparents without an event),
     * then invalidates. */
    void invalidate() override;

    /** @brief Follows the layout's parent; on a resize of a parent widget with vertical policy Fixed or Maximum, sets
     * its fixed or maximum height to heightForWidth() and consumes the resize event. */
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void commonInit(int margin);
    // Moves the resize filter to the current parent object; cheap when it did not change.
    void followParent();
    int doLayout(const QRect &rect, bool testOnly) const;
    int smartSpacing(QStyle::PixelMetric pm) const;

    Q_DISABLE_COPY(FlowLayout)
    std::unique_ptr<FlowLayoutPrivate> const d;
};

} // namespace Components
} // namespace Nalu
