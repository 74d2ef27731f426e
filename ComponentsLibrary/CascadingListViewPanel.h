// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QListView>

#include <memory>

namespace Nalu {
namespace Components {

class CascadingListViewPanelPrivate;

/**
 * @brief The list of one depth level of a CascadingListView, linked to the panels of the levels left and right of it.
 *
 * A panel lists the children of its root index. When its selection changes it re-roots its child panel on the
 * selected item (which empties every panel further right) before it emits currentItemChanged. Left and Right move
 * the focus and the current item along the chain.
 */
class COMPONENTSLIBRARY_EXPORT CascadingListViewPanel : public QListView
{
    Q_OBJECT

public:
    /** @brief The panel links itself as @p parentPanel's child; the model is installed only once there is a root. */
    CascadingListViewPanel(QAbstractItemModel *model, CascadingListViewPanel *parentPanel, QWidget *parent);
    ~CascadingListViewPanel() override;

    /** @brief The panel of the previous level, or null. */
    CascadingListViewPanel *getParentPanel() const;
    /** @brief The panel of the next level, or null. */
    CascadingListViewPanel *getChildPanel() const;

    /** @brief The width of ten capital W in @p font: the narrowest a panel or preview asks to be. */
    static int getPreferredMininumWidth(QFont font);

    /** @brief Also remembers a non-null model as the one the arrow keys and later re-rooting work on. */
    void setModel(QAbstractItemModel *model) override;

    /** @brief Room for seven rows, ten W wide. */
    QSize minimumSizeHint() const override;
    /** @brief Same as minimumSizeHint(). */
    QSize sizeHint() const override;

Q_SIGNALS:
    /**
     * @brief The selected item, or an invalid index when the selection was cleared.
     *
     * Emitted after the child panel was re-rooted on the item.
     */
    void currentItemChanged(const QModelIndex &index);

protected Q_SLOTS:
    /** @brief Lists the children of @p rootIndex (nothing when it is invalid) with nothing current. */
    void updateContents(const QModelIndex &rootIndex);

protected:
    /** @brief After the list's own handling, Left moves the focus and the current item to the parent panel, Right to
     * the first child of the current item in the child panel. */
    void keyPressEvent(QKeyEvent *event) override;
    /** @brief Re-roots the child panel on the newly selected item (emptying the panels further right), repaints, then
     * emits currentItemChanged(). */
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    void onClicked(const QModelIndex &index);

    Q_DISABLE_COPY(CascadingListViewPanel)
    std::unique_ptr<CascadingListViewPanelPrivate> const d;
};

} // namespace Components
} // namespace Nalu
