#include <ComponentsLibrary/CascadingListViewPanel.h>

#include <ComponentsLibrary/MinimizedScrollBar.h>

#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>

namespace Nalu {
namespace Components {

class CascadingListViewPanelPrivate
{
public:
    QPointer<QAbstractItemModel> model;
    QPointer<CascadingListViewPanel> parentPanel;
    QPointer<CascadingListViewPanel> childPanel;
};

CascadingListViewPanel::CascadingListViewPanel(QAbstractItemModel *model, CascadingListViewPanel *parentPanel,
                                               QWidget *parent)
    : QListView(parent)
    , d(std::make_unique<CascadingListViewPanelPrivate>())
{
    d->model = model;
    d->parentPanel = parentPanel;
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBar(new MinimizedScrollBar(this, Qt::Vertical));
    if (parentPanel) {
        parentPanel->d->childPanel = this;
    }
    connect(this, &QAbstractItemView::clicked, this, &CascadingListViewPanel::onClicked);
}

CascadingListViewPanel::~CascadingListViewPanel() = default;

CascadingListViewPanel *CascadingListViewPanel::getParentPanel() const
{
    return d->parentPanel;
}

CascadingListViewPanel *CascadingListViewPanel::getChildPanel() const
{
    return d->childPanel;
}

int CascadingListViewPanel::getPreferredMininumWidth(QFont font)
{
    return QFontMetrics(font).boundingRect(QStringLiteral("WWWWWWWWWW")).width();
}

void CascadingListViewPanel::setModel(QAbstractItemModel *model)
{
    if (model) {
        d->model = model;
    }
    // The base makes a new selection model even for an unchanged empty view, and leaves the old one to us; one
    // given by someone else may be shared and stays.
    if (model == this->model()) {
        return;
    }
    QItemSelectionModel *oldSelectionModel = selectionModel();
    QListView::setModel(model);
    if (oldSelectionModel && oldSelectionModel != selectionModel() && oldSelectionModel->parent() == this) {
        delete oldSelectionModel;
    }
}

void CascadingListViewPanel::updateContents(const QModelIndex &rootIndex)
{
    // Drop the selection while its model is still installed: a model switch would lose it without a notification,
    // and the chain further right must hear of it.
    setCurrentIndex(QModelIndex());
    if (rootIndex.isValid()) {
        // The index tells which model the chain browses now, even if the view switched models since we were made.
        setModel(const_cast<QAbstractItemModel *>(rootIndex.model()));
        setRootIndex(rootIndex);
    } else {
        setModel(nullptr);
    }
    if (d->childPanel) {
        d->childPanel->updateContents(QModelIndex());
    }
}

void CascadingListViewPanel::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    // Installing a model reports a change from nothing to nothing: no news for the chain.
    if (selected.isEmpty() && deselected.isEmpty()) {
        return;
    }
    const QModelIndexList indexes = selected.indexes();
    const QModelIndex selectedIndex = indexes.isEmpty() ? QModelIndex() : indexes.first();
    if (d->childPanel) {
        d->childPanel->updateContents(selectedIndex);
    }
    viewport()->update();
    Q_EMIT currentItemChanged(selectedIndex);
}

void CascadingListViewPanel::onClicked(const QModelIndex &index)
{
    // Clicking the open item again closes what was open below it, keeping its children listed.
    if (index == currentIndex() && d->childPanel && d->childPanel->currentIndex().isValid()) {
        setCurrentIndex(QModelIndex());
        setCurrentIndex(index);
    }
}

void CascadingListViewPanel::keyPressEvent(QKeyEvent *event)
{
    QAbstractItemView::keyPressEvent(event);
    if (event->key() == Qt::Key_Left && d->parentPanel) {
        CascadingListViewPanel *parentPanel = d->parentPanel;
        parentPanel->setFocus();
        const QModelIndex parentPanelCurrentIndex = parentPanel->currentIndex();
        if (parentPanelCurrentIndex.isValid()) {
            parentPanel->setCurrentIndex(QModelIndex());
            parentPanel->setCurrentIndex(parentPanelCurrentIndex);
        } else if (QAbstractItemModel *parentModel = parentPanel->model()) {
            // Only an empty panel has a parent without a current item; take the first item the parent lists.
            parentPanel->setCurrentIndex(parentModel->index(0, 0, parentPanel->rootIndex()));
        }
        event->accept();
    } else if (event->key() == Qt::Key_Right && d->childPanel && model() && currentIndex().isValid()) {
        // Without a current item index(0, 0, ...) would be a top-level item, not a child.
        const QModelIndex firstChild = model()->index(0, 0, currentIndex());
        if (firstChild.isValid()) {
            d->childPanel->setFocus();
            d->childPanel->setCurrentIndex(firstChild);
            event->accept();
        }
    }
}

QSize CascadingListViewPanel::minimumSizeHint() const
{
    QSize size = QAbstractScrollArea::minimumSizeHint();
    size.setWidth(getPreferredMininumWidth(font()));
    int rowHeight = sizeHintForRow(0);
    if (rowHeight < 0) {
        rowHeight = style()->sizeFromContents(QStyle::CT_ItemViewItem, nullptr, QSize(), this).height();
    }
    size.setHeight(7 * rowHeight + 2 * frameWidth() + horizontalScrollBar()->height());
    return size;
}

QSize CascadingListViewPanel::sizeHint() const
{
    return minimumSizeHint();
}

} // namespace Components
} // namespace Nalu
