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

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    void setGeometry(const QRect &rect) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void invalidate() override;

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
