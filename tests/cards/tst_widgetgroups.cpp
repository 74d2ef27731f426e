#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/CardWidgetGroup.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/ExpanderWidgetGroup.h>

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Nalu::Components;

namespace {

// A window with named cards (or expanders) stacked, and a log of every state and group signal.
template<typename Member>
struct Fixture
{
    QWidget window;
    QList<Member *> members;
    QStringList log;

    explicit Fixture(int count)
    {
        auto *layout = new QVBoxLayout(&window);
        for (int i = 0; i < count; ++i) {
            auto *member = new Member(QString(QLatin1Char('A' + i)), &window);
            member->setObjectName(member->title());
            member->setContentsWidget(new QLabel(QStringLiteral("contents")));
            layout->addWidget(member);
            members << member;
        }
    }

    template<typename Signal>
    void record(Member *member, Signal signal)
    {
        QObject::connect(member, signal,
                         [this, member](bool on) { log << member->objectName() + QString::number(on); });
    }

    template<typename Group, typename Signal>
    void recordGroup(Group *group, Signal signal)
    {
        QObject::connect(group, signal, [this](Member *member, bool on) {
            log << QStringLiteral("group:") + member->objectName() + QString::number(on);
        });
    }

    void click(Member *member)
    {
        QTest::mouseClick(member->template findChild<QLabel *>(QStringLiteral("title")), Qt::LeftButton);
    }
    void clickContents(Member *member)
    {
        QTest::mouseClick(qobject_cast<QLabel *>(member->getContentsWidget()), Qt::LeftButton);
    }
};

} // namespace

class tst_WidgetGroups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<CardWidget *>();
        qRegisterMetaType<ExpanderWidget *>();
    }

    void newGroups()
    {
        for (const QMetaObject *meta : {&CardWidgetGroup::staticMetaObject, &ExpanderWidgetGroup::staticMetaObject}) {
            QCOMPARE(meta->constructorCount(), 2);
            QObject parent;
            std::unique_ptr<QObject> orphan(meta->newInstance());
            QVERIFY(orphan && orphan->property("exclusive").toBool());
            QVERIFY(meta->newInstance(Q_ARG(QObject *, &parent)));
            QCOMPARE(parent.children().size(), 1);
        }
        CardWidgetGroup cards;
        ExpanderWidgetGroup expanders;
        QVERIFY(!cards.getCheckedCardWidget() && !cards.getCardWidget(0) && !cards.getCardWidget(-1));
        QVERIFY(!expanders.getOpenedExpanderWidget() && !expanders.getExpanderWidget(0));
        cards.addCardWidget(nullptr);
        expanders.addExpanderWidget(nullptr);
        QVERIFY(cards.getCardWidgets().isEmpty() && expanders.getExpanderWidgets().isEmpty());
    }

    void cardMembership()
    {
        Fixture<CardWidget> f(3);
        CardWidget *a = f.members[0], *b = f.members[1], *c = f.members[2];
        CardWidgetGroup group;
        QSignalSpy added(&group, &CardWidgetGroup::cardWidgetAdded);
        QSignalSpy checked(&group, &CardWidgetGroup::cardWidgetChecked);
        group.addCardWidget(a);
        group.addCardWidget(a);
        QCOMPARE(added.count(), 1);
        QVERIFY(a->isCheckable());
        a->setChecked(true);
        b->setCheckable(true);
        b->setChecked(true);
        group.addCardWidget(b);
        QVERIFY(a->isChecked() && !b->isChecked());
        QCOMPARE(checked.count(), 1);
        QCOMPARE(group.getCheckedCardWidget(), a);

        // Replacing the members announces the old ones as removed, and they no longer count.
        QSignalSpy removed(&group, &CardWidgetGroup::cardWidgetRemoved);
        group.setCardWidgets({c, b});
        QCOMPARE(removed.count(), 2);
        QCOMPARE(added.count(), 4);
        QCOMPARE(added.at(2).at(0).value<CardWidget *>(), c);
        QCOMPARE(group.getCardWidgets(), QList<CardWidget *>({c, b}));
        a->setChecked(false);
        a->setChecked(true);
        QCOMPARE(checked.count(), 1);
        QVERIFY(!b->isChecked() && !c->isChecked() && c->isCheckable());
    }

    void exclusiveCardOrder_data()
    {
        QTest::addColumn<bool>("exclusive");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("exclusive") << true
                                   << QStringList({QStringLiteral("B1"), QStringLiteral("A0"),
                                                   QStringLiteral("group:A0"), QStringLiteral("group:B1")});
        QTest::newRow("not exclusive") << false << QStringList({QStringLiteral("B1"), QStringLiteral("group:B1")});
    }

    void exclusiveCardOrder()
    {
        QFETCH(bool, exclusive);
        QFETCH(QStringList, expected);
        Fixture<CardWidget> f(2);
        f.members[0]->setCheckable(true);
        f.members[1]->setCheckable(true);
        f.members[0]->setChecked(true);
        // Recorders connected first see each state signal before the group reacts to it.
        for (CardWidget *card : f.members) {
            f.record(card, &CardWidget::checkedChanged);
        }
        CardWidgetGroup group;
        group.setCardWidgets(f.members);
        group.setExclusive(exclusive);
        f.recordGroup(&group, &CardWidgetGroup::cardWidgetChecked);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.clickContents(f.members[1]);
        QCOMPARE(f.log, expected);
        QCOMPARE(f.members[0]->isChecked(), !exclusive);

        // A checked member deleted while in the group leaves it; the group keeps working.
        delete f.members[1];
        QCOMPARE(group.getCardWidgets().size(), 1);
        QCOMPARE(group.getCheckedCardWidget(), exclusive ? nullptr : f.members[0]);
        f.members[0]->setChecked(false);
        f.clickContents(f.members[0]);
        QVERIFY(f.members[0]->isChecked());
    }

    void expanders_data()
    {
        QTest::addColumn<bool>("exclusive");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("exclusive") << true
                                   << QStringList({QStringLiteral("C1"), QStringLiteral("A0"),
                                                   QStringLiteral("group:A0"), QStringLiteral("group:C1")});
        QTest::newRow("not exclusive") << false << QStringList({QStringLiteral("C1")});
    }

    void expanders()
    {
        QFETCH(bool, exclusive);
        QFETCH(QStringList, expected);
        Fixture<ExpanderWidget> f(3);
        ExpanderWidgetGroup group;
        group.setExclusive(exclusive);
        for (ExpanderWidget *expander : f.members) {
            f.record(expander, &ExpanderWidget::expandedChanged);
            group.addExpanderWidget(expander);
        }
        f.recordGroup(&group, &ExpanderWidgetGroup::expanderWidgetToggled);
        ExpanderWidget *a = f.members[0], *c = f.members[2];
        QCOMPARE(f.members[1]->isExpanded(), !exclusive);
        if (!exclusive) {
            a->collapse();
            f.members[1]->collapse();
            f.log.clear();
            a->expand();
        }
        QCOMPARE(group.getOpenedExpanderWidget(), a);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.log.clear();
        c->collapse();
        f.log.clear();
        f.click(c);
        QCOMPARE(f.log, expected);

        // An expander deleted while hovered (its shortcuts active) and in the group.
        auto *title = c->findChild<QLabel *>(QStringLiteral("title"));
        f.window.layout()->activate();
        QTest::mouseMove(&f.window, QPoint(1, 1)); // a move to the same place is dropped
        QTest::mouseMove(&f.window, title->mapTo(&f.window, title->rect().center()));
        QTRY_VERIFY(c->findChild<CardWidgetBaseHeader *>()->underMouse());
        QPointer<ExpanderWidget> guard(c);
        delete c;
        QTest::keyClick(&f.window, Qt::Key_Space);
        QCOMPARE(group.getExpanderWidgets().size(), 2);
        f.click(f.members[1]);
        QCOMPARE(a->isExpanded(), !exclusive);
    }
};

QTEST_MAIN(tst_WidgetGroups)
#include "tst_widgetgroups.moc"
