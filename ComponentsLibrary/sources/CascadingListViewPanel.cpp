// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CascadingListViewPanel.h>

#include "QtCompat_p.h"

#include <ComponentsLibrary/MinimizedScrollBar.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>

#include <optional>

namespace Nalu {
namespace Components {

class CascadingListViewPanelPrivate
{
public:
    QPointer<QAbstractItemModel> model;
    QPointer<CascadingListViewPanel> parentPanel;
    QPointer<CascadingListViewPanel> childPanel;

    // The height of the first row, kept between layout passes: measuring it lays out the item's
    // text, and layouts ask for the minimum size many times per change. The inputs it depends
    // on are compared at each use; changes inside the model or the delegate clear it.
    struct FirstRowHeight
    {
        int height = -1;
        const QAbstractItemModel *model = nullptr;
        QPersistentModelIndex root;
        const QAbstractItemDelegate *delegate = nullptr;
        const QStyle *style = nullptr;
        QFont font;
        QSize iconSize;
    };
    FirstRowHeight firstRow;
    QList<QMetaObject::Connection> modelConnections;
    QMetaObject::Connection delegateConnection;

    int firstRowHeight(const CascadingListViewPanel *panel);
    void watchModel(CascadingListViewPanel *panel);
};

int CascadingListViewPanelPrivate::firstRowHeight(const CascadingListViewPanel *panel)
{
    const QAbstractItemModel *currentModel = panel->model();
    const QModelIndex root = panel->rootIndex();
    const QAbstractItemDelegate *delegate
        = currentModel ? Compat::delegateForIndex(panel, currentModel->index(0, 0, root)) : panel->itemDelegate();
    if (firstRow.height < 0 || firstRow.model != currentModel || firstRow.root != root || firstRow.delegate != delegate
        || firstRow.style != panel->style() || firstRow.font != panel->font()
        || firstRow.iconSize != panel->iconSize()) {
        if (firstRow.delegate != delegate) {
            QObject::disconnect(delegateConnection);
            if (delegate) {
                delegateConnection = QObject::connect(delegate, &QAbstractItemDelegate::sizeHintChanged, panel,
                                                      [this] { firstRow.height = -1; });
            }
        }
        firstRow = {panel->sizeHintForRow(0), currentModel, root, delegate, panel->style(), panel->font(),
                    panel->iconSize()};
    }
    return firstRow.height;
}

void CascadingListViewPanelPrivate::watchModel(CascadingListViewPanel *panel)
{
    for (const QMetaObject::Connection &connection : qAsConst(modelConnections)) {
        QObject::disconnect(connection);
    }
    modelConnections.clear();
    firstRow.height = -1;
    QAbstractItemModel *currentModel = panel->model();
    if (!currentModel) {
        return;
    }
    const auto forget = [this] { firstRow.height = -1; };
    modelConnections << QObject::connect(currentModel, &QAbstractItemModel::dataChanged, panel, forget)
                     << QObject::connect(currentModel, &QAbstractItemModel::rowsInserted, panel, forget)
                     << QObject::connect(currentModel, &QAbstractItemModel::rowsRemoved, panel, forget)
                     << QObject::connect(currentModel, &QAbstractItemModel::rowsMoved, panel, forget)
                     << QObject::connect(currentModel, &QAbstractItemModel::columnsInserted, panel, forget)
                     << QObject::connect(currentModel, &QAbstractItemModel::columnsRemoved, panel, forget)
                     << QObject::connect(currentModel, &QAbstractItemModel::layoutChanged, panel, forget)
                     << QObject::connect(currentModel, &QAbstractItemModel::modelReset, panel, forget);
}

namespace {

// Layouts ask the panels and the preview for their size hints many times, and measuring text
// means shaping it: the ten-W width of the last font asked for is kept. Fonts are used on the
// GUI thread only; the kept font is released with the application, which a font must not outlive.
struct MeasuredFont
{
    std::optional<QFont> font;
    int width = 0;
};

MeasuredFont &measuredFont()
{
    static MeasuredFont measured;
    static const bool releasedWithApplication = [] {
        qAddPostRoutine([] { measuredFont().font.reset(); });
        return true;
    }();
    Q_UNUSED(releasedWithApplication)
    return measured;
}

} // namespace

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

CascadingListViewPanel::~CascadingListViewPanel()
{
    // The connections point into the private data, which goes before the QObject base disconnects them.
    for (const QMetaObject::Connection &connection : qAsConst(d->modelConnections)) {
        disconnect(connection);
    }
    disconnect(d->delegateConnection);
}

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
    MeasuredFont &measured = measuredFont();
    if (!measured.font || *measured.font != font) {
        measured.width = QFontMetrics(font).boundingRect(QStringLiteral("WWWWWWWWWW")).width();
        measured.font = font;
    }
    return measured.width;
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
        // Later, not now: this may run from a receiver of that selection model's own signals, which
        // goes on using it once the receivers return.
        oldSelectionModel->deleteLater();
    }
    d->watchModel(this);
}

void CascadingListViewPanel::updateContents(const QModelIndex &rootIndex)
{
    // The receivers of the signals below may reset or replace the model: the root is followed through it.
    const QPersistentModelIndex root(rootIndex);
    const QPointer<CascadingListViewPanel> self(this);
    // Drop the selection while its model is still installed: a model switch would lose it without a notification,
    // and the chain further right must hear of it.
    setCurrentIndex(QModelIndex());
    if (!self) {
        return;
    }
    if (root.isValid()) {
        // The index tells which model the chain browses now, even if the view switched models since we were made.
        setModel(const_cast<QAbstractItemModel *>(root.model()));
        setRootIndex(root);
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
    // Receivers in the chain further right may reset the model: the item is followed through it.
    const QPersistentModelIndex selectedIndex(indexes.isEmpty() ? QModelIndex() : indexes.first());
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
        // The receivers of the first change may reset or replace the model, or take this panel out of the view.
        const QPersistentModelIndex item(index);
        const QPointer<CascadingListViewPanel> self(this);
        setCurrentIndex(QModelIndex());
        if (self && item.isValid() && item.model() == model()) {
            setCurrentIndex(item);
        }
    }
}

void CascadingListViewPanel::keyPressEvent(QKeyEvent *event)
{
    QAbstractItemView::keyPressEvent(event);
    // The levels cascade the way the text reads: from right to left the parent lies on the right.
    const bool rtl = isRightToLeft();
    const int toParent = rtl ? Qt::Key_Right : Qt::Key_Left;
    const int toChild = rtl ? Qt::Key_Left : Qt::Key_Right;
    if (event->key() == toParent && d->parentPanel) {
        const QPointer<CascadingListViewPanel> parentPanel = d->parentPanel;
        parentPanel->setFocus();
        // The receivers of the first change may reset or replace the model, or take the panels out of the view.
        const QPersistentModelIndex parentPanelCurrentIndex(parentPanel->currentIndex());
        if (parentPanelCurrentIndex.isValid()) {
            parentPanel->setCurrentIndex(QModelIndex());
            if (parentPanel && parentPanelCurrentIndex.isValid()
                && parentPanelCurrentIndex.model() == parentPanel->model()) {
                parentPanel->setCurrentIndex(parentPanelCurrentIndex);
            }
        } else if (QAbstractItemModel *parentModel = parentPanel->model()) {
            // Only an empty panel has a parent without a current item; take the first item the parent lists.
            parentPanel->setCurrentIndex(parentModel->index(0, 0, parentPanel->rootIndex()));
        }
        event->accept();
    } else if (event->key() == toChild && d->childPanel && model() && currentIndex().isValid()) {
        // Without a current item index(0, 0, ...) would be a top-level item, not a child.
        const QModelIndex firstChild = model()->index(0, 0, currentIndex());
        if (firstChild.isValid()) {
            d->childPanel->setFocus();
            d->childPanel->setCurrentIndex(firstChild);
            event->accept();
        }
    }
}

void CascadingListViewPanel::detachFromChain()
{
    if (d->parentPanel && d->parentPanel->d->childPanel == this) {
        d->parentPanel->d->childPanel = nullptr;
    }
    if (d->childPanel && d->childPanel->d->parentPanel == this) {
        d->childPanel->d->parentPanel = nullptr;
    }
    d->parentPanel = nullptr;
    d->childPanel = nullptr;
    disconnect(this, &CascadingListViewPanel::currentItemChanged, nullptr, nullptr);
}

QSize CascadingListViewPanel::minimumSizeHint() const
{
    // Both dimensions are our own: the scroll area's hint is not needed.
    QSize size(getPreferredMininumWidth(font()), 0);
    int rowHeight = d->firstRowHeight(this);
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
