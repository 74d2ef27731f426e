// SPDX-License-Identifier: MIT
// The cascading list view driven through model mutations of every kind (inserts, removals, moves, data changes,
// layout changes, resets, the model's deletion, another model), clicks, keys, its setters and policies, and
// receivers of currentItemChanged that rebuild the view, in any order.
//
// Invariants after every step: the panels form one chain from level 0, no more of them than the maximum; after a
// model is set or reset there is one panel per level (counted down to the maximum); a panel lists nothing but the
// view's current model, so never the rows of a deleted one; a panel's root is the item selected in the panel
// before it.
#include "FuzzInput.h"

#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/CascadingListViewPanelContainer.h>

#include <vantor_common_utils/Helpers.h>

#include <QApplication>
#include <QPointer>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

#include <memory>

using namespace Nalu::Components;
using namespace NaluFuzz;

namespace {

// The steps of one input at most. Most inputs the fuzzer keeps run to the cap, so it sets the cost of an execution;
// 24 steps still reach every kind of step and event; what a shorter input gives up is long sequences of them.
constexpr int MaxSteps = 24;
constexpr int MaxItems = 60;

struct Model : QStandardItemModel
{
    using QStandardItemModel::QStandardItemModel;
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
};

int countItems(const QStandardItem *item)
{
    int count = item->rowCount();
    for (int row = 0; row < item->rowCount(); ++row) {
        count += item->child(row) ? countItems(item->child(row)) : 0;
    }
    return count;
}

// An item of the model chosen by the input: a walk down from the top, stopping anywhere.
QStandardItem *chooseItem(Input &in, QStandardItemModel &model)
{
    QStandardItem *item = model.invisibleRootItem();
    while (item->rowCount() > 0 && in.flag()) {
        QStandardItem *child = item->child(in.pick(item->rowCount()));
        if (!child) {
            break;
        }
        item = child;
    }
    return item;
}

void grow(Input &in, QStandardItemModel &model, int items)
{
    for (int i = 0; i < items && countItems(model.invisibleRootItem()) < MaxItems; ++i) {
        QStandardItem *parent = chooseItem(in, model);
        parent->insertRow(in.pick(parent->rowCount() + 1), new QStandardItem(in.text()));
    }
}

// The panel of level 0 of the view's chain: the one without a parent panel whose card sits in the panels splitter
// (in "panelsContainer"). Only that splitter's direct children are looked at: a search of the whole view, twice a
// step, took a third of the run.
CascadingListViewPanel *firstPanel(const CascadingListView &view)
{
    const auto *panelsContainer = view.findChild<QWidget *>(QStringLiteral("panelsContainer"));
    const auto *splitter
        = panelsContainer ? panelsContainer->findChild<QSplitter *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!splitter) {
        return nullptr;
    }
    for (auto *container :
         splitter->findChildren<CascadingListViewPanelContainer *>(QString(), Qt::FindDirectChildrenOnly)) {
        CascadingListViewPanel *panel = container->getPanel();
        if (panel && !panel->getParentPanel()) {
            return panel;
        }
    }
    return nullptr;
}

QList<CascadingListViewPanel *> chain(const CascadingListView &view)
{
    QList<CascadingListViewPanel *> panels;
    for (CascadingListViewPanel *panel = firstPanel(view); panel && panels.count() <= 1000;
         panel = panel->getChildPanel()) {
        panels.append(panel);
    }
    return panels;
}

// Checks the view and gives its chain of panels, which the next step picks from: nothing runs between the two.
QList<CascadingListViewPanel *> checkView(const CascadingListView &view, bool justRebuilt)
{
    QList<CascadingListViewPanel *> panels = chain(view);
    FUZZ_CHECK(panels.count() == view.getNumberOfPanels());
    FUZZ_CHECK(view.getNumberOfPanels() <= view.getMaximumNumberOfPanels());
    const QAbstractItemModel *model = view.getModel();
    if (justRebuilt) {
        FUZZ_CHECK(view.getNumberOfPanels() == Nalu::Helpers::getModelMaxDepth(model, view.getMaximumNumberOfPanels()));
    }
    for (int i = 0; i < panels.count(); ++i) {
        CascadingListViewPanel *panel = panels.at(i);
        FUZZ_CHECK(panel->getChildPanel() == (i + 1 < panels.count() ? panels.at(i + 1) : nullptr));
        const QAbstractItemModel *shown = panel->model();
        // A panel without the view's model lists nothing: Qt's views fall back to an empty model.
        if (shown && shown != model) {
            FUZZ_CHECK(shown->rowCount(panel->rootIndex()) == 0);
        }
        if (shown == model && model && i > 0) {
            const QModelIndex root = panel->rootIndex();
            FUZZ_CHECK(!root.isValid() || root.model() == model);
            // Rooted at an item: the item selected in the panel before (Qt keeps both through mutations).
            if (root.isValid()) {
                const QItemSelectionModel *selection = panels.at(i - 1)->selectionModel();
                FUZZ_CHECK(selection && selection->isSelected(root));
            }
        }
    }
    return panels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    auto window = std::make_unique<QWidget>();
    QPointer<Model> model = new Model(window.get());
    QPointer<Model> other = new Model(window.get());
    grow(in, *model, in.range(0, 30));
    grow(in, *other, in.range(0, 10));
    QStyledItemDelegate delegate;

    QPointer<CascadingListView> view = new CascadingListView(in.flag() ? model.data() : nullptr, window.get());
    view->resize(in.range(0, 900), in.range(0, 300));
    if (in.flag()) {
        window->show();
    }

    // Receivers of currentItemChanged that act on the view and its model, a bounded number of times.
    int reactions = in.pick(4);
    const int reaction = in.pick(6);
    bool rebuilt = false;
    QObject::connect(view, &CascadingListView::currentItemChanged, view, [&](const QModelIndex &index) {
        if (index.isValid()) {
            index.data(); // a stale index would show here
        }
        if (reactions <= 0 || !view) {
            return;
        }
        --reactions;
        switch (reaction) {
        case 0:
            view->setModel(other);
            break;
        case 1:
            view->setModel(const_cast<QAbstractItemModel *>(view->getModel()));
            break;
        case 2:
            if (model) {
                model->reset();
            }
            break;
        case 3:
            // Not a row removal: the signal may come from inside one, and QStandardItemModel does not allow
            // another removal from there (a plain QListView's receiver crashes it the same way).
            view->setPanelsTitlesVisible(!view->arePanelsTitlesVisible());
            break;
        case 4:
            view->setMaximumNumberOfPanels(1 + reactions);
            break;
        default:
            view->setPersistentPanels(!view->hasPersistentPanels());
            break;
        }
        rebuilt = true;
    });

    QList<CascadingListViewPanel *> panels = chain(*view);
    for (int step = 0; step < MaxSteps && !in.atEnd() && view; ++step) {
        bool justRebuilt = false;
        rebuilt = false;
        CascadingListViewPanel *panel = panels.isEmpty() ? nullptr : panels.at(in.pick(panels.count()));
        switch (in.pick(22)) {
        case 0:
            if (model) {
                grow(in, *model, in.range(1, 4));
            }
            break;
        case 1:
            if (model) {
                QStandardItem *item = chooseItem(in, *model);
                if (item->rowCount() > 0) {
                    const int row = in.pick(item->rowCount());
                    item->removeRows(row, in.range(1, item->rowCount() - row));
                }
            }
            break;
        case 2:
            // A move: taken from one place, put in another.
            if (model) {
                QStandardItem *from = chooseItem(in, *model);
                if (from->rowCount() > 0) {
                    QList<QStandardItem *> row = from->takeRow(in.pick(from->rowCount()));
                    QStandardItem *to = chooseItem(in, *model);
                    to->insertRow(in.pick(to->rowCount() + 1), row);
                }
            }
            break;
        case 3:
            if (model) {
                chooseItem(in, *model)->setText(in.text());
            }
            break;
        case 4:
            if (model) {
                model->sort(0, in.flag() ? Qt::AscendingOrder : Qt::DescendingOrder); // a layout change
            }
            break;
        case 5:
            if (model) {
                model->reset();
                justRebuilt = view->getModel() == model;
            }
            break;
        case 6:
            if (model) {
                // A reset, then inserts: the view counts its levels at the reset only.
                model->clear();
                grow(in, *model, in.range(0, 20));
            }
            break;
        case 7:
            delete model;
            break;
        case 8:
            view->setModel(in.flag() ? model.data() : (in.flag() ? other.data() : nullptr));
            justRebuilt = true;
            break;
        case 9:
            if (!model) {
                model = new Model(window.get());
                grow(in, *model, in.range(0, 20));
            }
            break;
        case 10:
        case 11:
            if (panel && panel->model()) {
                const int rows = panel->model()->rowCount(panel->rootIndex());
                const QModelIndex index = panel->model()->index(in.pick(rows + 1), 0, panel->rootIndex());
                const QRect rect = index.isValid() ? panel->visualRect(index) : panel->viewport()->rect();
                const QPoint point = rect.center();
                QPointer<QWidget> viewport = panel->viewport();
                sendMouse(viewport, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
                if (viewport) {
                    sendMouse(viewport, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
                }
            }
            break;
        case 12:
        case 13:
            if (panel) {
                static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,       Qt::Key_Down,
                                           Qt::Key_Home, Qt::Key_End,   Qt::Key_PageDown, Qt::Key_Space};
                panel->setFocus();
                sendKey(panel, keys[in.pick(8)]);
            }
            break;
        case 14:
            if (panel && panel->model()) {
                const int rows = panel->model()->rowCount(panel->rootIndex());
                panel->setCurrentIndex(panel->model()->index(in.pick(rows + 1), 0, panel->rootIndex()));
            }
            break;
        case 15:
            view->setPersistentPanels(in.flag());
            break;
        case 16:
            view->setPreviewPolicy(CascadingListView::PreviewPolicy(in.range(0, 3)));
            view->setPreviewVisible(in.flag());
            break;
        case 17:
            switch (in.pick(4)) {
            case 0:
                view->setPanelsTitles({in.text(), in.text()});
                break;
            case 1:
                view->setPanelTitle(in.range(-2, 6), in.text());
                break;
            case 2:
                view->setPanelsTitlesVisible(in.flag());
                break;
            default:
                view->setItemDelegateForPanel(in.range(-2, 6), in.flag() ? &delegate : nullptr);
                break;
            }
            break;
        case 18: {
            const int before = view->getMaximumNumberOfPanels();
            view->setMaximumNumberOfPanels(in.anyInt() % 8);
            justRebuilt = view->getMaximumNumberOfPanels() != before;
        } break;
        case 19:
            view->resize(in.range(0, 900), in.range(0, 300));
            break;
        case 20:
            if (in.flag()) {
                view->setPreviewWidget(new QWidget);
            } else {
                view->setVisible(in.flag());
            }
            break;
        default:
            if (in.pick(4) == 0) {
                delete view;
            }
            break;
        }
        if (view) {
            panels = checkView(*view, justRebuilt && !rebuilt);
        }
    }
    window.reset();
    flushDeferredDeletes();
    return 0;
}
