// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/CascadingListViewPanelContainer.h>

#include <QAbstractItemModelTester>
#include <QTest>
#include <QtWidgets>

#include "TestSupport.h"

#include <functional>

using namespace Nalu::Components;
using View = CascadingListView;
using Panel = CascadingListViewPanel;

struct Model : QStandardItemModel
{
    QAbstractItemModelTester tester {this, QAbstractItemModelTester::FailureReportingMode::QtTest};
    explicit Model(const QString &paths) { addPaths(paths); }
    // One reset around the whole rebuild: the view recounts its levels only at a reset.
    void reset(const std::function<void()> &build)
    {
        beginResetModel();
        blockSignals(true);
        clear();
        build();
        blockSignals(false);
        endResetModel();
    }
    // "A/B/C A/D E": one path per word; equal names under one parent are one item.
    void addPaths(const QString &paths) { TestSupport::addPaths(*this, paths); }
};

// A view in an active window (so that focus moves) over the levels A G | under A: B F | under B: C E | under C: D.
struct Fixture
{
    Model model {QStringLiteral("A/B/C/D A/B/E A/F G")};
    QWidget window;
    View *view = new View(&model, &window);
    explicit Fixture(bool rtl = false)
    {
        window.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        view->resize(1000, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QList<Panel *> panels() const
    {
        QList<Panel *> chain;
        for (Panel *panel : view->findChildren<Panel *>()) {
            chain = panel->getParentPanel() ? chain : QList<Panel *> {panel};
        }
        while (!chain.isEmpty() && chain.last()->getChildPanel()) {
            chain.append(chain.last()->getChildPanel());
        }
        return chain;
    }
    static QString text(const QModelIndex &i) { return i.isValid() ? QString::number(i.row()) : QStringLiteral("-"); }
    int focusedLevel() const { return panels().indexOf(qobject_cast<Panel *>(qApp->focusWidget())); }
    // "c1.0" clicks row 0 of level 1 ("e1" its empty bottom), "x1" clears its selection, "i1.0" and "r1.0" insert and
    // remove row 0 under its root, "kL", "kR", "kU", "kD" press an arrow key in the focused panel.
    void run(const QString &steps)
    {
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            Panel *panel = panels().value(QStringView(step).mid(1, 1).toInt());
            const char kind = step.at(0).toLatin1();
            const int row = QStringView(step).mid(3).toInt();
            if (kind == 'k') {
                const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
                QTest::keyClick(qApp->focusWidget() ? qApp->focusWidget() : panel,
                                keys[QStringLiteral("LRUD").indexOf(step.at(1))]);
            } else if (kind == 'x' && panel->selectionModel()) {
                panel->selectionModel()->clear();
            } else if ((kind == 'i' || kind == 'r') && panel->model()) {
                QStandardItem *root = panel->rootIndex().isValid() ? model.itemFromIndex(panel->rootIndex())
                                                                   : model.invisibleRootItem();
                kind == 'i' ? root->insertRow(row, new QStandardItem(QStringLiteral("new"))) : root->removeRow(row);
            } else if (kind == 'c' || kind == 'e') {
                const QModelIndex index
                    = kind == 'c' ? panel->model()->index(row, 0, panel->rootIndex()) : QModelIndex();
                const QPoint at
                    = index.isValid() ? panel->visualRect(index).center() : panel->viewport()->rect().bottomLeft();
                QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, at);
            }
        }
    }
    QString currents() const // "0 1 - -"
    {
        QStringList rows;
        for (const Panel *panel : panels()) {
            rows.append(text(panel->currentIndex()));
        }
        return rows.join(QLatin1Char(' '));
    }
    // Empty when each panel lists the children of the current item before it (so nothing is selected beyond an
    // empty panel); else what is wrong.
    QString chainError() const
    {
        const QList<Panel *> chain = panels();
        for (int i = 1; i < chain.count(); ++i) {
            const QModelIndex root = chain.at(i - 1)->currentIndex();
            const QItemSelectionModel *selection = chain.at(i)->selectionModel();
            if (root.isValid() ? chain.at(i)->model() != root.model() || chain.at(i)->rootIndex() != root
                               : chain.at(i)->model() || (selection && selection->hasSelection())) {
                return QStringLiteral("level %1 is not rooted at the current item before it, or has a selection")
                    .arg(i);
            }
        }
        return chain.count() == view->getNumberOfPanels() ? QString() : QStringLiteral("panels miscounted");
    }
};

class TestCascading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void browsingKeepsEachLevelRootedAtTheCurrentItem_data()
    {
        QTest::addColumn<QString>("steps"); // as Fixture::run takes them
        QTest::addColumn<QString>("currentRows"); // of each level, "-" for none
        QTest::addColumn<int>("focusedLevel");
        QTest::addColumn<QString>("emittedRows"); // by currentItemChanged at the last step, "-" for none
        QTest::addColumn<int>("shownLevels"); // the levels still shown once the panels are not persistent
        QTest::addColumn<bool>("rtl");
        QTest::newRow("path") << "c0.0 c1.0 c2.0" << QStringLiteral("0 0 0 -") << 2 << "0" << 4 << false;
        QTest::newRow("other top item") << "c0.0 c1.0 c2.0 c0.1" << QStringLiteral("1 - - -") << 0 << "-, -, 1" << 1
                                        << false;
        QTest::newRow("click open item") << "c0.0 c1.0 c2.0 c1.0" << QStringLiteral("0 0 - -") << 1 << "-, -, 0" << 3
                                         << false;
        QTest::newRow("click current item") << "c0.0 c0.0" << QStringLiteral("0 - - -") << 0 << "" << 2 << false;
        QTest::newRow("leaf") << "c0.0 c1.1" << QStringLiteral("0 1 - -") << 1 << "1" << 2 << false;
        QTest::newRow("right on leaf") << "c0.0 c1.1 kR" << QStringLiteral("0 1 - -") << 1 << "" << 2 << false;
        QTest::newRow("right twice") << "c0.0 kR kR" << QStringLiteral("0 0 0 -") << 2 << "0" << 4 << false;
        QTest::newRow("left") << "c0.0 c1.0 c2.0 kL" << QStringLiteral("0 0 - -") << 1 << "-, -, 0" << 3 << false;
        QTest::newRow("left at level 0") << "c0.1 kL" << QStringLiteral("1 - - -") << 0 << "" << 1 << false;
        QTest::newRow("left from empty") << "c0.0 c1.0 e3 kL" << QStringLiteral("0 0 0 -") << 2 << "0" << 4 << false;
        QTest::newRow("clear") << "c0.0 c1.0 c2.0 x1" << QStringLiteral("0 - - -") << 2 << "-, -" << 2 << false;
        // From right to left the levels cascade leftwards, and Left and Right swap.
        QTest::newRow("path, right to left") << "c0.0 c1.0 c2.0" << QStringLiteral("0 0 0 -") << 2 << "0" << 4 << true;
        QTest::newRow("left twice, right to left")
            << "c0.0 kL kL" << QStringLiteral("0 0 0 -") << 2 << "0" << 4 << true;
        QTest::newRow("right, right to left")
            << "c0.0 c1.0 c2.0 kR" << QStringLiteral("0 0 - -") << 1 << "-, -, 0" << 3 << true;
    }
    void browsingKeepsEachLevelRootedAtTheCurrentItem()
    {
        QFETCH(QString, steps);
        QFETCH(int, focusedLevel);
        QFETCH(int, shownLevels);
        QFETCH(bool, rtl);
        Fixture f(rtl);
        TestSupport::SignalLog emitted;
        emitted.record(f.view, &View::currentItemChanged, QString());
        f.run(steps.left(steps.lastIndexOf(QLatin1Char(' '))));
        emitted.clear();
        f.run(steps.mid(steps.lastIndexOf(QLatin1Char(' ')) + 1));
        QTEST(f.currents(), "currentRows");
        QCOMPARE(f.focusedLevel(), focusedLevel);
        QTEST(emitted.joined(), "emittedRows");
        QVERIFY2(f.chainError().isEmpty(), qPrintable(f.chainError()));
        const QList<Panel *> panels = f.panels();
        const QWidget *viewport = f.view->findChild<QScrollArea *>(QStringLiteral("scrollArea"))->viewport();
        QVERIFY(viewport->height() > 200);
        for (Panel *panel : panels) { // the cards span the view's height, although their vertical policy is fixed
            const QWidget *card = panel->parentWidget()->parentWidget();
            QCOMPARE(card->mapTo(viewport, QPoint()).y(), 0);
            QCOMPARE(card->height(), viewport->height());
        }
        // Each level lies after the one before it, in the direction the text reads.
        const auto x = [&](int level) { return panels.at(level)->mapTo(&f.window, QPoint()).x(); };
        QCOMPARE(x(1) < x(0), rtl);
        f.view->setPersistentPanels(false);
        for (int level = 0; level < panels.size(); ++level) {
            QCOMPARE(panels.at(level)->isVisible(), level < shownLevels);
        }
        // Only a hidden panel loses the focus.
        QCOMPARE(f.focusedLevel() == focusedLevel, focusedLevel < shownLevels);
    }

    // The path A/B/C is open when the model is replaced or deleted; then browsing goes on.
    void replacedOrDeletedModelLeavesAWorkingView_data()
    {
        QTest::addColumn<int>("panels");
        QTest::newRow("null model") << 0;
        QTest::newRow("other model") << 4;
        QTest::newRow("deleted model") << 4;
    }
    void replacedOrDeletedModelLeavesAWorkingView()
    {
        Fixture f;
        const QByteArray tag = QTest::currentDataTag();
        Model other(QStringLiteral("P/Q/R/S P/T"));
        auto *doomed = new Model(QStringLiteral("A/B/C/D"));
        f.view->setModel(tag == "deleted model" ? doomed : &f.model);
        f.run(QStringLiteral("c0.0 c1.0 c2.0"));
        f.view->setModel(tag == "other model" ? &other : tag == "null model" ? nullptr : doomed);
        delete doomed;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the selections of a deleted model
        QVERIFY(f.view->getModel() == (tag == "other model" ? &other : nullptr));
        QTEST(f.view->getNumberOfVisiblePanels(), "panels");
        QVERIFY2(f.chainError().isEmpty(), qPrintable(f.chainError()));
        f.run(f.view->getModel() ? QStringLiteral("c0.0 kR kR kL kD") : QString());
        f.view->setModel(&other);
        f.run(QStringLiteral("c0.0 c1.0 c2.0"));
        QCOMPARE(f.currents(), QStringLiteral("0 0 0 -"));
    }

    void titlesDelegatesPreviewAndSizeHints()
    {
        QStyledItemDelegate all, one;
        Fixture f;
        f.view->setPanelsTitles({QStringLiteral("A")});
        f.view->setPanelTitle(-1, QStringLiteral("B"));
        f.view->setPanelTitle(4, QStringLiteral("B"));
        QCOMPARE(f.view->getPanelsTitles().join(QLatin1Char(' ')) + f.view->getPanelTitle(4),
                 QStringLiteral("A Title1 Title2 Title3"));
        f.view->setItemDelegate(&all);
        f.view->setItemDelegateForPanel(1, &one);
        f.view->setItemDelegateForPanel(4, &one);
        f.view->setPanelsTitlesVisible(true);
        f.model.reset([&]() { f.model.addPaths(QStringLiteral("A/B/C/D/E")); });
        QList<QAbstractItemDelegate *> delegates;
        for (Panel *panel : f.panels()) {
            delegates.append(panel->itemDelegate());
        }
        QCOMPARE(delegates.mid(0, 4), QList<QAbstractItemDelegate *>({&all, &one, &all, &all}));
        QVERIFY(delegates.at(4) != &all && delegates.at(4) != &one); // a new panel keeps its own
        // Preview: the wish, then the policy, whether it shows, and whether it shows once the wish is toggled.
        auto *preview = f.view->findChild<QScrollArea *>(QStringLiteral("panelPreview"));
        f.run(QStringLiteral("c0.0"));
        const struct
        {
            bool wish;
            View::PreviewPolicy policy;
            bool shown, shownOnceToggled;
        } previews[] = {{true, View::PREVIEW_ALWAYS_HIDDEN, false, false},
                        {false, View::PREVIEW_SHOWN_ON_DEMAND, false, true},
                        {false, View::PREVIEW_ALWAYS_SHOWN, true, true},
                        {true, View::PREVIEW_SHOWN_ON_DEMAND, true, false},
                        {true, View::PREVIEW_SHOWN_ON_DEMAND, true, false}};
        for (const auto &row : previews) {
            f.view->setPreviewVisible(row.wish);
            f.view->setPreviewPolicy(row.policy);
            QCOMPARE(preview->isVisible(), row.shown);
            f.view->setPreviewVisible(!row.wish);
            QCOMPARE(preview->isVisible(), row.shownOnceToggled);
        }
        QCOMPARE(f.focusedLevel(), 0); // kept through the visibility updates
        // Seven rows: of the delegate's height where there are rows, of the style's item height where there are none.
        const QList<Panel *> panels = f.panels();
        const int itemHeight
            = f.view->style()->sizeFromContents(QStyle::CT_ItemViewItem, nullptr, {}, panels.at(2)).height();
        QCOMPARE(panels.at(0)->minimumSizeHint().height() - panels.at(2)->sizeHint().height(),
                 7 * (panels.at(0)->sizeHintForRow(0) - itemHeight));
        QVERIFY(qobject_cast<CardWidget *>(panels.at(4)->parentWidget()->parentWidget())->isHeaderVisible());
        const int narrow = QFontMetrics(f.view->font()).boundingRect(QStringLiteral("WWWWWWWWWW")).width();
        QCOMPARE(QSize(panels.at(2)->sizeHint().width(), preview->sizeHint().width()), QSize(narrow, narrow));
        f.view->setFont(QFont(f.view->font().family(), f.view->font().pointSize() * 2));
        QVERIFY(panels.at(0)->minimumSizeHint().width() > narrow * 3 / 2
                && preview->minimumSizeHint().width() > narrow * 3 / 2);
        // The first row's height is kept between layout passes: it must still follow the font, the data and the
        // delegate.
        Panel *first = panels.at(0);
        const auto sevenRows = [first] {
            return first->minimumSizeHint().height()
                == 7 * first->sizeHintForRow(0) + 2 * first->frameWidth() + first->horizontalScrollBar()->height();
        };
        const int before = first->minimumSizeHint().height();
        f.model.item(0)->setData(QFont(f.view->font().family(), f.view->font().pointSize() * 3), Qt::FontRole);
        QVERIFY(sevenRows() && first->minimumSizeHint().height() > before);
        f.model.item(0)->setData(QVariant(), Qt::FontRole);
        QVERIFY(sevenRows() && first->minimumSizeHint().height() == before);
        f.view->setItemDelegateForPanel(0, &one);
        QVERIFY(sevenRows());
    }

    // Shown for the first time, the view lays the panels out at their final sizes at once: the layouts around the
    // panels' splitter must not keep the size hints they had before the panels were made, and the horizontal scroll
    // bar of panels wider than the view must take its room in that same layout.
    void firstShowLaysOutThePanelsOnce_data()
    {
        QTest::addColumn<bool>("persistent");
        QTest::addColumn<bool>("titles");
        QTest::newRow("persistent") << true << false;
        QTest::newRow("persistent, titles") << true << true;
        QTest::newRow("on demand") << false << false;
    }
    void firstShowLaysOutThePanelsOnce()
    {
        QFETCH(bool, persistent);
        QFETCH(bool, titles);
        Model model(QStringLiteral("A/B/C/D/E/F G"));
        View view(nullptr, nullptr);
        view.setPersistentPanels(persistent);
        view.setPanelsTitlesVisible(titles);
        view.setModel(&model);
        view.resize(500, 300);
        view.show();
        const auto sizes = [&view] {
            QList<QSize> list;
            for (const auto *container : view.findChildren<CascadingListViewPanelContainer *>()) {
                list << (container->isVisible() ? container->size() : QSize());
            }
            return list;
        };
        const QList<QSize> shown = sizes();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::qWait(20);
        QCOMPARE(shown, sizes());
    }

    // Random trees, resets, clicks, clears and arrow keys; CASCADING_SEED=n reproduces a failure.
    void randomBrowsingKeepsTheChainConsistent()
    {
        const quint32 seed = qEnvironmentVariableIsSet("CASCADING_SEED") ? qgetenv("CASCADING_SEED").toUInt() : 2026u;
        QRandomGenerator random(seed);
        Fixture f;
        int depth = 1;
        const std::function<void(QStandardItem *, int)> grow = [&](QStandardItem *parent, int level) {
            for (int row = random.bounded(level == 1 ? 1 : 0, 5); row > 0; --row) {
                parent->appendRow(new QStandardItem(QString::number(row)));
                depth = std::max(depth, level);
                if (level < 6 && random.bounded(3) > 0) {
                    grow(parent->child(parent->rowCount() - 1), level + 1);
                }
            }
        };
        for (int step = 0; step < 500; ++step) {
            const QList<Panel *> chain = f.panels();
            Panel *panel = chain.at(random.bounded(chain.count()));
            const int rows = panel->model() ? panel->model()->rowCount(panel->rootIndex()) : 0;
            // reset ("-"), clear, click, arrow key, remove, insert
            const int kind = step ? QStringLiteral("0112222333445").at(random.bounded(13)).digitValue() : 0;
            const QString at = QStringLiteral("%1.%2").arg(chain.indexOf(panel)).arg(rows ? random.bounded(rows) : 0);
            const QString key = QStringLiteral("kL kR kU kD").mid(3 * random.bounded(4), 2);
            const QString op = kind == 3 ? key : QLatin1Char(QByteArray(rows ? "-xckri" : "-xekii").at(kind)) + at;
            if (kind == 0) {
                f.model.reset([&]() { depth = 1, grow(f.model.invisibleRootItem(), 1); });
            }
            f.run(op);
            const QString error = f.panels().count() == depth ? f.chainError() : QStringLiteral("panels miscounted");
            QVERIFY2(error.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, step %2 (%3): %4").arg(seed).arg(step).arg(op, error)));
        }
    }
};

QTEST_MAIN(TestCascading)
#include "tst_cascading.moc"
