#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/CascadingListViewPanelContainer.h>
#include <ComponentsLibrary/CascadingListViewPanelPreview.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <functional>

using namespace Nalu::Components;
using View = CascadingListView;

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
    void addPaths(const QString &paths)
    {
        for (const QString &path : paths.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QStandardItem *item = invisibleRootItem();
            for (const QString &name : path.split(QLatin1Char('/'))) {
                int row = 0;
                while (row < item->rowCount() && item->child(row)->text() != name) {
                    ++row;
                }
                if (row == item->rowCount()) {
                    item->appendRow(new QStandardItem(name));
                }
                item = item->child(row);
            }
        }
    }
};

QString rowText(const QModelIndex &index)
{
    return index.isValid() ? QString::number(index.row()) : QStringLiteral("-");
}

// A view in an active window (so that focus moves) over the levels A G | under A: B F | under B: C E | under C: D.
struct Fixture
{
    Model model {QStringLiteral("A/B/C/D A/B/E A/F G")};
    QWidget window;
    View *view = new View(&model, &window);
    Fixture()
    {
        window.resize(1000, 300);
        view->resize(window.size());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QList<CascadingListViewPanel *> panels() const
    {
        QList<CascadingListViewPanel *> chain;
        for (CascadingListViewPanel *panel : view->findChildren<CascadingListViewPanel *>()) {
            chain = panel->getParentPanel() ? chain : QList<CascadingListViewPanel *> {panel};
        }
        while (!chain.isEmpty() && chain.last()->getChildPanel()) {
            chain.append(chain.last()->getChildPanel());
        }
        return chain;
    }
    int focusedLevel() const { return panels().indexOf(qobject_cast<CascadingListViewPanel *>(qApp->focusWidget())); }
    // "c1.0" clicks row 0 of level 1 ("e1" its empty bottom), "x1" clears its selection, "kL", "kR", "kU", "kD" press
    // an arrow key in the focused panel.
    void run(const QString &steps)
    {
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            CascadingListViewPanel *panel = panels().value(step.midRef(1, 1).toInt());
            const QModelIndex index = panel && panel->model()
                ? panel->model()->index(step.midRef(3).toInt(), 0, panel->rootIndex())
                : QModelIndex();
            if (step.startsWith(QLatin1Char('k'))) {
                const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
                QTest::keyClick(qApp->focusWidget(), keys[QStringLiteral("LRUD").indexOf(step.at(1))]);
            } else if (step.startsWith(QLatin1Char('x')) && panel->selectionModel()) {
                panel->selectionModel()->clear();
            } else if (!step.startsWith(QLatin1Char('x'))) {
                const bool empty = step.startsWith(QLatin1Char('e'));
                QTest::mouseClick(panel->viewport(), Qt::LeftButton, {},
                                  empty ? QPoint(2, panel->viewport()->height() - 2)
                                        : panel->visualRect(index).center());
            }
        }
    }
    QString currents() const // "0 1 - -"
    {
        QStringList rows;
        for (const CascadingListViewPanel *panel : panels()) {
            rows.append(rowText(panel->currentIndex()));
        }
        return rows.join(QLatin1Char(' '));
    }
    // Empty when the chain is consistent, else what is wrong.
    QString chainError() const
    {
        const QList<CascadingListViewPanel *> chain = panels();
        if (chain.count() != view->getNumberOfPanels()) {
            return QStringLiteral("%1 panels linked, %2 counted").arg(chain.count()).arg(view->getNumberOfPanels());
        }
        for (int i = 1; i < chain.count(); ++i) {
            const QModelIndex root = chain.at(i - 1)->currentIndex();
            if (root.isValid() ? chain.at(i)->model() != root.model() || chain.at(i)->rootIndex() != root
                               : chain.at(i)->model() != nullptr) {
                return QStringLiteral("level %1 not rooted at the current item of the level before").arg(i);
            }
            if (!chain.at(i - 1)->model() && chain.at(i)->selectionModel()
                && chain.at(i)->selectionModel()->hasSelection()) {
                return QStringLiteral("selection at level %1 right of an empty panel").arg(i);
            }
        }
        return {};
    }
};

class TestCascading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void browsing_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("currents");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("signalRows"); // emitted by the view during the last step
        QTest::addColumn<QString>("shownIfNotPersistent");
        QTest::newRow("path") << "c0.0 c1.0 c2.0"
                              << "0 0 0 -" << 2 << "0"
                              << "1111";
        QTest::newRow("other top item") << "c0.0 c1.0 c2.0 c0.1"
                                        << "1 - - -" << 0 << "- - 1"
                                        << "1000";
        QTest::newRow("click open item") << "c0.0 c1.0 c2.0 c1.0"
                                         << "0 0 - -" << 1 << "- - 0"
                                         << "1110";
        QTest::newRow("click current item") << "c0.0 c0.0"
                                            << "0 - - -" << 0 << ""
                                            << "1100";
        QTest::newRow("leaf") << "c0.0 c1.1"
                              << "0 1 - -" << 1 << "1"
                              << "1100";
        QTest::newRow("right twice") << "c0.0 kR kR"
                                     << "0 0 0 -" << 2 << "0"
                                     << "1111";
        QTest::newRow("right on leaf") << "c0.0 c1.1 kR"
                                       << "0 1 - -" << 1 << ""
                                       << "1100";
        QTest::newRow("left") << "c0.0 c1.0 c2.0 kL"
                              << "0 0 - -" << 1 << "- - 0"
                              << "1110";
        QTest::newRow("left at level 0") << "c0.1 kL"
                                         << "1 - - -" << 0 << ""
                                         << "1000";
        QTest::newRow("left from empty") << "c0.0 c1.0 e3 kL"
                                         << "0 0 0 -" << 2 << "0"
                                         << "1111";
        QTest::newRow("down") << "c0.0 kD"
                              << "1 - - -" << 0 << "1"
                              << "1000";
        QTest::newRow("clear") << "c0.0 c1.0 c2.0 x1"
                               << "0 - - -" << 2 << "- -"
                               << "1100";
    }
    void browsing()
    {
        QFETCH(QString, steps);
        QFETCH(int, focus);
        QFETCH(QString, shownIfNotPersistent);
        Fixture f;
        QSignalSpy spy(f.view, &View::currentItemChanged);
        f.run(steps.left(steps.lastIndexOf(QLatin1Char(' '))));
        spy.clear();
        f.run(steps.mid(steps.lastIndexOf(QLatin1Char(' ')) + 1));
        QStringList signalRows;
        std::transform(spy.cbegin(), spy.cend(), std::back_inserter(signalRows),
                       [](const QList<QVariant> &arguments) { return rowText(arguments.at(0).toModelIndex()); });
        QTEST(signalRows.join(QLatin1Char(' ')), "signalRows");
        QTEST(f.currents(), "currents");
        QVERIFY2(f.chainError().isEmpty(), qPrintable(f.chainError()));
        QCOMPARE(f.focusedLevel(), focus);
        f.view->setPersistentPanels(false);
        QString shown;
        for (CascadingListViewPanel *panel : f.panels()) {
            shown += QLatin1Char(panel->isVisible() ? '1' : '0');
        }
        QCOMPARE(shown, shownIfNotPersistent);
        QCOMPARE(f.view->getNumberOfVisiblePanels(), shown.count(QLatin1Char('1')));
        QCOMPARE(f.focusedLevel() == focus, shown.at(focus) == QLatin1Char('1')); // only a hidden panel loses it
    }

    // The path A/B/C is open when the model changes; then browsing goes on.
    void modelChanges_data()
    {
        QTest::addColumn<int>("panels");
        for (const char *tag :
             {"reset", "insert", "remove open items", "remove top item", "other model", "null model", "delete model"}) {
            QTest::newRow(tag) << (qstrcmp(tag, "reset") == 0 ? 2 : qstrcmp(tag, "null model") == 0 ? 0 : 4);
        }
    }
    void modelChanges()
    {
        Fixture f;
        const QByteArray tag = QTest::currentDataTag();
        Model other(QStringLiteral("P/Q/R/S P/T"));
        auto *doomed = new Model(QStringLiteral("A/B/C/D"));
        f.view->setModel(tag == "delete model" ? doomed : &f.model);
        f.view->setPanelsTitles({QStringLiteral("Kept")});
        const QPointer<CascadingListViewPanel> last = f.panels().value(3);
        f.run(QStringLiteral("c0.0 c1.0 c2.0"));
        if (tag == "reset") {
            f.model.reset([&]() { f.model.addPaths(QStringLiteral("X/Y")); });
        } else if (tag == "insert") {
            f.model.item(0)->child(0)->insertRow(0, new QStandardItem(QStringLiteral("new")));
            f.model.item(0)->child(0)->child(1)->child(0)->appendRow(new QStandardItem(QStringLiteral("deeper")));
        } else if (tag.startsWith("remove")) {
            (tag == "remove top item" ? f.model.invisibleRootItem() : f.model.item(0))->removeRow(0);
        } else if (tag != "delete model") {
            f.view->setModel(tag == "other model" ? &other : nullptr);
        }
        delete doomed;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the selections of a deleted model
        QVERIFY(f.view->getModel() == (tag == "other model" ? &other : tag.endsWith("model") ? nullptr : &f.model));
        QTEST(f.view->getNumberOfPanels(), "panels");
        QCOMPARE(last.isNull(), tag == "reset" || tag == "null model");
        QCOMPARE(f.view->getPanelTitle(0), tag == "null model" ? QString() : QStringLiteral("Kept"));
        QVERIFY2(f.chainError().isEmpty(), qPrintable(f.chainError()));
        f.run(f.panels().value(0) && f.panels().at(0)->model() ? QStringLiteral("c0.0 kR kR kL kD") : QString());
        QVERIFY2(f.chainError().isEmpty(), qPrintable(f.chainError()));
        f.view->setModel(&other);
        f.run(QStringLiteral("c0.0 c1.0 c2.0"));
        QCOMPARE(f.currents(), QStringLiteral("0 0 0 -"));
    }

    void titlesAndDelegates()
    {
        QStyledItemDelegate all, one;
        Fixture f;
        QSignalSpy spy(f.view, &View::panelsTitlesVisibleChanged);
        f.view->setPanelsTitles({QStringLiteral("A")});
        for (int level : {-1, 1, 4}) {
            f.view->setPanelTitle(level, QStringLiteral("B"));
            f.view->setItemDelegateForPanel(level, &one);
        }
        QCOMPARE(f.view->getPanelsTitles(), QString(QStringLiteral("A B Title2 Title3")).split(QLatin1Char(' ')));
        QCOMPARE(f.view->getPanelTitle(4), QString());
        f.view->setPanelsTitlesVisible(true);
        f.view->setPanelsTitlesVisible(true);
        QCOMPARE(spy.count(), 1);
        f.view->setItemDelegate(&all);
        f.view->setItemDelegateForPanel(1, &one);
        f.model.reset([&]() { f.model.addPaths(QStringLiteral("A/B/C/D/E")); });
        QList<QAbstractItemDelegate *> delegates;
        for (CascadingListViewPanel *panel : f.panels()) {
            delegates.append(panel->itemDelegate());
            QVERIFY(qobject_cast<CardWidget *>(panel->parentWidget()->parentWidget())->isHeaderVisible());
        }
        QCOMPARE(delegates.mid(0, 4), QList<QAbstractItemDelegate *>({&all, &one, &all, &all}));
        QVERIFY(delegates.at(4) != &all && delegates.at(4) != &one); // a new panel keeps its own
    }

    void previewPolicy_data()
    {
        QTest::addColumn<View::PreviewPolicy>("policy");
        QTest::addColumn<bool>("wish");
        QTest::addColumn<bool>("shown");
        QTest::newRow("always shown") << View::PREVIEW_ALWAYS_SHOWN << false << true;
        QTest::newRow("on demand, wished") << View::PREVIEW_SHOWN_ON_DEMAND << true << true;
        QTest::newRow("on demand") << View::PREVIEW_SHOWN_ON_DEMAND << false << false;
        QTest::newRow("always hidden") << View::PREVIEW_ALWAYS_HIDDEN << true << false;
    }
    void previewPolicy()
    {
        QFETCH(View::PreviewPolicy, policy);
        QFETCH(bool, wish);
        QFETCH(bool, shown);
        Fixture f;
        auto *preview = f.view->findChild<CascadingListViewPanelPreview *>(QStringLiteral("panelPreview"));
        QSignalSpy spy(f.view, &View::previewPolicyChanged);
        f.view->setPreviewPolicy(View::PREVIEW_ALWAYS_HIDDEN);
        f.view->setPreviewVisible(wish); // remembered only
        QVERIFY(!preview->isVisible());
        f.run(QStringLiteral("c0.0"));
        f.view->setPreviewPolicy(policy);
        QCOMPARE(preview->isVisible(), shown);
        QCOMPARE(spy.count(), policy == View::PREVIEW_ALWAYS_HIDDEN ? 1 : 2);
        f.view->setPreviewVisible(!wish);
        QCOMPARE(preview->isVisible(), policy == View::PREVIEW_SHOWN_ON_DEMAND ? !wish : shown);
        QCOMPARE(f.focusedLevel(), 0); // kept through the visibility updates
        const QPointer<QLabel> first = new QLabel;
        f.view->setPreviewWidget(first);
        f.view->setPreviewWidget(new QLabel);
        QVERIFY(first.isNull()); // the preview owned it
    }

    void sizeHints()
    {
        struct ItemStyle : QProxyStyle
        {
            QSize sizeFromContents(ContentsType t, const QStyleOption *o, const QSize &s,
                                   const QWidget *w) const override
            {
                return t == CT_ItemViewItem && !o ? QSize(10, 13) : QProxyStyle::sizeFromContents(t, o, s, w);
            }
        } style;
        Fixture f;
        const QList<CascadingListViewPanel *> panels = f.panels();
        for (CascadingListViewPanel *panel : panels) {
            panel->setStyle(&style);
        }
        // Seven rows: of the delegate's height where there are rows, of the style's item height where there are none.
        const int rowHeight = panels.at(0)->sizeHintForRow(0);
        QCOMPARE(panels.at(0)->minimumSizeHint().height() - panels.at(1)->minimumSizeHint().height(),
                 7 * (rowHeight - 13));
        auto *card = qobject_cast<CardWidget *>(panels.at(0)->parentWidget()->parentWidget());
        const QSize cardHint = card->minimumSizeHint();
        f.view->setPanelsTitlesVisible(true);
        QCOMPARE(card->minimumSizeHint(), cardHint); // the header counts while hidden too
        QVERIFY(f.view->minimumSizeHint().height() > cardHint.height()
                && cardHint.height() > panels.at(0)->sizeHint().height());
        auto *preview = f.view->findChild<CascadingListViewPanelPreview *>();
        const int narrow = QFontMetrics(f.view->font()).boundingRect(QStringLiteral("WWWWWWWWWW")).width();
        QCOMPARE(QSize(panels.at(1)->sizeHint().width(), preview->sizeHint().width()), QSize(narrow, narrow));
        f.view->setFont(QFont(f.view->font().family(), f.view->font().pointSize() * 2));
        QVERIFY(panels.at(0)->minimumSizeHint().width() > narrow * 3 / 2);
        QCOMPARE(preview->minimumSizeHint().width(), panels.at(0)->minimumSizeHint().width());
    }

    // Random trees, resets, clicks, clears and arrow keys; CASCADING_SEED=n reproduces a failure.
    void randomBrowsing()
    {
        const quint32 seed
            = qEnvironmentVariableIsSet("CASCADING_SEED") ? qgetenv("CASCADING_SEED").toUInt() : 20261206u;
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
            const QList<CascadingListViewPanel *> chain = f.panels();
            const int level = random.bounded(chain.count());
            const int rows
                = chain.at(level)->model() ? chain.at(level)->model()->rowCount(chain.at(level)->rootIndex()) : 0;
            const int kind = step == 0 ? 0 : random.bounded(12);
            QString op = rows ? QStringLiteral("c%1.%2").arg(level).arg(random.bounded(rows))
                              : QStringLiteral("e%1").arg(level);
            if (kind == 0) {
                op = QStringLiteral("reset");
                f.model.reset([&]() { depth = 1, grow(f.model.invisibleRootItem(), 1); });
            } else if (kind < 3) {
                op = QStringLiteral("x%1").arg(level);
            } else if (kind > 6) {
                op = (f.focusedLevel() < 0 ? QStringLiteral("e0 k") : QStringLiteral("k"))
                    + QStringLiteral("LRUD").at(random.bounded(4));
            }
            f.run(kind ? op : QString());
            const QString error = f.panels().count() == depth
                ? f.chainError()
                : QStringLiteral("depth %1, %2 panels").arg(depth).arg(f.panels().count());
            QVERIFY2(error.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, step %2 (%3): %4").arg(seed).arg(step).arg(op, error)));
        }
    }
};

QTEST_MAIN(TestCascading)
#include "tst_cascading.moc"
