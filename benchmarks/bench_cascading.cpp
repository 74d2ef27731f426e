// SPDX-License-Identifier: MIT

// Browsing a large tree: the cascading list view next to QColumnView on the same
// QStandardItemModel (100 000 items, six levels; the rows tagged "1000000 items" use one of 1 000 000 items, six
// levels too, built once on first use and outside every measure), in the same run.
//
// firstPaint: build the view, set the model, show it and run the event loop until the first
// paint event (the views are closed after the measure). The reference row "model traversal" visits every item once
// through rowCount() and index(), the least any view must do to learn how deep the model is. selectPath: make the items
// of a path current from the top level down to a leaf, one level at a time, letting the event loop lay out and paint
// after each step; two paths alternate so that every iteration also closes the previous path. deepChain: build and
// show a view over a chain of 100 to 1000 levels of one item each. insertRows: a shown view over its own copy of the
// 100 000-item tree, with a path open down to a leaf, while 1 000 or 10 000 rows are appended to the top level one
// at a time (one rowsInserted each, the items made before the measure); then the event loop runs until the view has
// repainted.
#include "BenchSupport.h"

#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>

#include <QApplication>
#include <QColumnView>
#include <QStandardItemModel>
#include <QTest>

#include <array>
#include <memory>
#include <vector>

using namespace Nalu::Components;

namespace {

constexpr int ItemCount = 100000;
constexpr int Levels = 6;
using Shape = std::array<int, Levels>;
constexpr Shape Branching = {6, 6, 7, 7, 7, 7}; // 100 842 items without the budget
constexpr int LargeItemCount = 1000000;
constexpr Shape LargeBranching = {10, 10, 10, 10, 10, 10}; // 1 111 110 items without the budget
const QSize ViewSize(900, 400);
const QString LargeTag = QStringLiteral(", 1000000 items");

// "Item level.row": made once per level and row and shared by the items, a million items take long to build
// under callgrind.
const QString &label(int level, int row)
{
    static std::array<std::array<QString, 10>, Levels> labels;
    QString &text = labels.at(level).at(row);
    if (text.isNull()) {
        text = QStringLiteral("Item %1.%2").arg(level).arg(row);
    }
    return text;
}

// Depth-first, so that a short budget only trims the last branches.
void fill(QStandardItem *parent, const Shape &shape, int level, int &budget)
{
    for (int row = 0; row < shape[level] && budget > 0; ++row) {
        auto *item = new QStandardItem(label(level, row));
        --budget;
        parent->appendRow(item);
        if (level + 1 < Levels) {
            fill(item, shape, level + 1, budget);
        }
    }
}

void fill(QStandardItemModel &model, const Shape &shape, int count)
{
    int budget = count;
    fill(model.invisibleRootItem(), shape, 0, budget);
}

int traverse(const QAbstractItemModel &model, const QModelIndex &parent)
{
    int count = 0;
    const int rows = model.rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        count += 1 + traverse(model, model.index(row, 0, parent));
    }
    return count;
}

using BenchSupport::showUntilPainted;

QList<CascadingListViewPanel *> panelsInOrder(const CascadingListView &view)
{
    QList<CascadingListViewPanel *> panels;
    for (auto *panel : view.findChildren<CascadingListViewPanel *>()) {
        if (!panel->getParentPanel()) {
            for (CascadingListViewPanel *p = panel; p; p = p->getChildPanel()) {
                panels << p;
            }
            break;
        }
    }
    return panels;
}

// Both views over one model, the one a data row measures shown at the benchmark size. Opening a path makes its items
// current one level at a time, through the cascading view's panels or the column view, letting the event loop run
// after each step.
struct ShownView
{
    CascadingListView cascadingView;
    QColumnView columnView;
    const bool cascading;
    bool shown = false;
    QList<CascadingListViewPanel *> panels;

    ShownView(QAbstractItemModel &model, bool cascadingRow)
        : cascadingView(&model, nullptr)
        , cascading(cascadingRow)
    {
        columnView.setModel(&model);
        QWidget &view = cascading ? static_cast<QWidget &>(cascadingView) : columnView;
        view.resize(ViewSize);
        shown = showUntilPainted(view);
        if (cascading) {
            panels = panelsInOrder(cascadingView);
        }
    }
    void open(const QModelIndexList &path)
    {
        for (int level = 0; level < path.size(); ++level) {
            if (cascading) {
                panels[level]->setCurrentIndex(path[level]);
            } else {
                columnView.setCurrentIndex(path[level]);
            }
            QCoreApplication::processEvents();
        }
    }
    QModelIndex current() const { return cascading ? panels.last()->currentIndex() : columnView.currentIndex(); }
};

// The indexes from the top level down to a leaf, always taking child @p row (clamped).
QModelIndexList pathTo(const QAbstractItemModel &model, int row)
{
    QModelIndexList path;
    QModelIndex parent;
    while (model.rowCount(parent) > 0) {
        parent = model.index(qMin(row, model.rowCount(parent) - 1), 0, parent);
        path << parent;
    }
    return path;
}

} // namespace

class BenchCascading : public QObject
{
    Q_OBJECT

    QStandardItemModel model;
    // Made by the first row that needs it: a million items take long to build under callgrind.
    std::unique_ptr<QStandardItemModel> largeModel;

    // The model of the current data row and its number of items.
    QStandardItemModel &modelForRow(int &count)
    {
        if (!QString::fromLatin1(QTest::currentDataTag()).endsWith(LargeTag)) {
            count = ItemCount;
            return model;
        }
        if (!largeModel) {
            largeModel = std::make_unique<QStandardItemModel>();
            fill(*largeModel, LargeBranching, LargeItemCount);
        }
        count = LargeItemCount;
        return *largeModel;
    }

private Q_SLOTS:
    void initTestCase()
    {
        fill(model, Branching, ItemCount);
        QCOMPARE(traverse(model, {}), ItemCount);
    }

    void firstPaint_data()
    {
        QTest::addColumn<int>("kind");
        for (const QString &tag : {QString(), LargeTag}) {
            QTest::addRow("model traversal%s", qPrintable(tag)) << 0;
            QTest::addRow("CascadingListView%s", qPrintable(tag)) << 1;
            QTest::addRow("QColumnView%s", qPrintable(tag)) << 2;
        }
    }
    void firstPaint()
    {
        QFETCH(int, kind);
        int count = 0;
        QStandardItemModel &model = modelForRow(count);
        // The views live on until the measure ends: closing them is not part of the first paint.
        std::vector<std::unique_ptr<QWidget>> shown;
        const auto run = [&model, count, kind, &shown] {
            if (kind == 0) {
                return traverse(model, {}) == count;
            }
            std::unique_ptr<QWidget> view;
            if (kind == 1) {
                auto cascading = std::make_unique<CascadingListView>(nullptr, nullptr);
                cascading->setModel(&model);
                view = std::move(cascading);
            } else {
                auto column = std::make_unique<QColumnView>();
                column->setModel(&model);
                view = std::move(column);
            }
            view->resize(ViewSize);
            const bool painted = showUntilPainted(*view);
            shown.push_back(std::move(view));
            return painted;
        };
        bool painted = run(); // warm-up: fonts, style and plug-ins loaded once, outside the measure
        QBENCHMARK
        {
            painted = run() && painted;
        }
        QVERIFY(painted);
    }

    void selectPath_data()
    {
        QTest::addColumn<bool>("cascading");
        for (const QString &tag : {QString(), LargeTag}) {
            QTest::addRow("CascadingListView%s", qPrintable(tag)) << true;
            QTest::addRow("QColumnView%s", qPrintable(tag)) << false;
        }
    }
    void selectPath()
    {
        QFETCH(bool, cascading);
        int count = 0;
        QStandardItemModel &model = modelForRow(count);
        const std::array<QModelIndexList, 2> paths = {pathTo(model, 1), pathTo(model, 4)};
        QCOMPARE(paths[0].size(), Levels);

        ShownView shown(model, cascading);
        QVERIFY(shown.shown);
        QCOMPARE(shown.panels.size(), cascading ? Levels : 0);

        int which = 0;
        const auto selectNextPath = [&] {
            which = 1 - which;
            shown.open(paths[which]);
        };
        // Warm-up: both paths opened once, so that deferred layouts of the first show are done.
        selectNextPath();
        selectNextPath();
        QBENCHMARK
        {
            selectNextPath();
        }
        // The last step really opened the leaf in both views.
        QCOMPARE(shown.current(), paths[which].last());
    }

    void insertRows_data()
    {
        QTest::addColumn<bool>("cascading");
        QTest::addColumn<int>("rows");
        for (int rows : {1000, 10000}) {
            QTest::addRow("CascadingListView %d", rows) << true << rows;
            QTest::addRow("QColumnView %d", rows) << false << rows;
        }
    }
    void insertRows()
    {
        QFETCH(bool, cascading);
        QFETCH(int, rows);
        QStandardItemModel tree;
        fill(tree, Branching, ItemCount);
        ShownView shown(tree, cascading);
        QVERIFY(shown.shown);
        // A path open down to a leaf, so that every level is listed while the top level grows.
        const QModelIndexList path = pathTo(tree, 1);
        shown.open(path);
        std::vector<QStandardItem *> items;
        items.reserve(rows);
        for (int row = 0; row < rows; ++row) {
            items.push_back(new QStandardItem(QStringLiteral("New %1").arg(row)));
        }
        const int before = tree.rowCount();
        bool painted = false;
        QBENCHMARK_ONCE
        {
            for (QStandardItem *item : items) {
                tree.appendRow(item);
            }
            BenchSupport::PaintWatcher watcher;
            qApp->installEventFilter(&watcher);
            for (int round = 0; round < 1000 && !watcher.painted; ++round) {
                QCoreApplication::processEvents();
            }
            qApp->removeEventFilter(&watcher);
            painted = watcher.painted;
        }
        QVERIFY(painted);
        QCOMPARE(tree.rowCount(), before + rows);
        // The open path stayed open.
        QCOMPARE(shown.current(), path.last());
    }

    // Building a view over a chain of one item per level, as deep as the maximum allows: the cost of the panels
    // themselves, which a view pays once per level.
    void deepChain_data()
    {
        QTest::addColumn<int>("depth");
        for (int depth : {100, 300, 1000}) {
            QTest::addRow("%d levels", depth) << depth;
        }
    }
    void deepChain()
    {
        QFETCH(int, depth);
        QStandardItemModel chain;
        QStandardItem *item = chain.invisibleRootItem();
        for (int level = 0; level < depth; ++level) {
            auto *child = new QStandardItem(QString::number(level));
            item->appendRow(child);
            item = child;
        }
        int panels = 0;
        QBENCHMARK_ONCE
        {
            CascadingListView view(nullptr, nullptr);
            view.setMaximumNumberOfPanels(depth);
            view.setModel(&chain);
            view.resize(ViewSize);
            QVERIFY(showUntilPainted(view));
            panels = view.getNumberOfPanels();
        }
        QCOMPARE(panels, depth);
    }
};

QTEST_MAIN(BenchCascading)
#include "bench_cascading.moc"
