// SPDX-License-Identifier: MIT

// Using the components as an adversarial application would: receivers that delete members or rebuild a view
// from inside the components' own signals, value ranges far from zero, models whose tree never ends. Each case
// here once crashed, hung or computed a wrong result.

#include "TestSupport.h"

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetGroup.h>
#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/CascadingListViewPanelContainer.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/ExpanderWidgetGroup.h>
#include <ComponentsLibrary/FlowLayout.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/ToolButtonGroupPopUp.h>

#include <vantor_common_utils/Helpers.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <functional>
#include <limits>
#include <memory>

using namespace Nalu::Components;

#if defined(__SANITIZE_ADDRESS__)
// Qt's own code is not instrumented: its reads of freed memory go unnoticed while the memory still holds what it
// held. Freed memory filled with garbage makes such reads crash instead.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options()
{
    return "max_free_fill_size=1048576:free_fill_byte=190";
}
#endif

namespace {

using TestSupport::addPaths;

struct ResettableModel : QStandardItemModel
{
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
};

// A tree that never ends: every item has `width` children, down to any depth, as a graph browsed as a tree.
// The internal id of an index is its depth; nothing is stored.
class EndlessModel : public QAbstractItemModel
{
public:
    explicit EndlessModel(int width)
        : m_width(width)
    {
    }
    QModelIndex index(int row, int column, const QModelIndex &parent) const override
    {
        if (row < 0 || row >= m_width || column != 0) {
            return {};
        }
        return createIndex(row, column, quintptr(parent.isValid() ? parent.internalId() + 1 : 0));
    }
    QModelIndex parent(const QModelIndex &child) const override
    {
        // Every parent is row 0 of its level: enough for the views, which only ever walk down.
        return child.isValid() && child.internalId() > 0 ? createIndex(0, 0, quintptr(child.internalId() - 1))
                                                         : QModelIndex();
    }
    int rowCount(const QModelIndex &parent) const override { return parent.column() > 0 ? 0 : m_width; }
    int columnCount(const QModelIndex &) const override { return 1; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("%1.%2").arg(index.internalId()).arg(index.row()))
                                       : QVariant();
    }

private:
    int m_width;
};

// A chain of `depth` levels, one item each: the deepest finite shape.
void addChain(QStandardItemModel &model, int depth)
{
    QStandardItem *item = model.invisibleRootItem();
    for (int level = 0; level < depth; ++level) {
        auto *child = new QStandardItem(QString::number(level));
        item->appendRow(child);
        item = child;
    }
}

// The panel of a level in the view's chain: the chain starts at the panel without a parent panel whose card
// sits in the view's panels splitter (a panel taken out of the view waits for its deletion elsewhere).
CascadingListViewPanel *panelAt(const CascadingListView &view, int level)
{
    CascadingListViewPanel *panel = nullptr;
    for (auto *candidate : view.findChildren<CascadingListViewPanel *>()) {
        QWidget *container = candidate->parentWidget();
        while (container && !qobject_cast<CascadingListViewPanelContainer *>(container)) {
            container = container->parentWidget();
        }
        if (!candidate->getParentPanel() && container && qobject_cast<QSplitter *>(container->parentWidget())) {
            panel = candidate;
        }
    }
    for (int i = 0; i < level && panel; ++i) {
        panel = panel->getChildPanel();
    }
    return panel;
}

// The panels of the view's chain, level 0 first.
QList<CascadingListViewPanel *> chain(const CascadingListView &view)
{
    QList<CascadingListViewPanel *> panels;
    for (CascadingListViewPanel *panel = panelAt(view, 0); panel; panel = panel->getChildPanel()) {
        panels.append(panel);
    }
    return panels;
}

// Records the tick marks a slider asks its style for. A style draws one line per mark, so the marks are drawn only
// when there are no more of them than pixels: billions of lines would not end.
class TickCountingStyle : public QProxyStyle
{
public:
    TickCountingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    mutable int calls = 0;
    mutable int interval = 0;
    mutable qint64 marks = 0;
    mutable int pixels = 0;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
        if (control == CC_Slider && slider && slider->subControls.testFlag(SC_SliderTickmarks)) {
            ++calls;
            interval = slider->tickInterval;
            // Without an interval of their own, Qt's styles step by the single step.
            const qint64 step = slider->tickInterval > 0 ? slider->tickInterval : std::max(1, slider->singleStep);
            marks = (qint64(slider->maximum) - slider->minimum) / step + 1;
            pixels = slider->orientation == Qt::Horizontal ? slider->rect.width() : slider->rect.height();
            if (marks > pixels) {
                return;
            }
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
};

} // namespace

class tst_Reliability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cascadingViewSurvivesRebuildFromItsSignal_data();
    void cascadingViewSurvivesRebuildFromItsSignal();
    void cascadingViewBoundsTheLevelsItCounts_data();
    void cascadingViewBoundsTheLevelsItCounts();
    void cascadingViewMaximumNumberOfPanelsProperty();
    void groupsSkipMembersDeletedDuringTheirWalk_data();
    void groupsSkipMembersDeletedDuringTheirWalk();
    void groupMemberDeletedBySignalOfItsOwnSetter_data();
    void groupMemberDeletedBySignalOfItsOwnSetter();
    void flowLayoutHeightForAnyWidth_data();
    void flowLayoutHeightForAnyWidth();
    void flowLayoutSizeHintsOfHugeItems_data();
    void flowLayoutSizeHintsOfHugeItems();
    void rangeDragKeepsWidthFarFromZero_data();
    void rangeDragKeepsWidthFarFromZero();
    void rangeSliderTickMarksOverHugeRanges_data();
    void rangeSliderTickMarksOverHugeRanges();
    void rangeSliderPopupShownOnceWhileItsWindowIsMade();
    void enumSettersIgnoreValuesOutsideTheirEnum_data();
    void enumSettersIgnoreValuesOutsideTheirEnum();
    void groupPopUpAfterItsMenuWasDeleted_data();
    void groupPopUpAfterItsMenuWasDeleted();
    void buttonGroupMemberDeletedWhileItIsAdded_data();
    void buttonGroupMemberDeletedWhileItIsAdded();
};

void tst_Reliability::cascadingViewSurvivesRebuildFromItsSignal_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("rebuild");
    for (const char *trigger : {"Down key", "setCurrentIndex", "Right key", "click on the open item"}) {
        for (const char *rebuild : {"other model", "same model", "model reset"}) {
            // The Right key's step rebuilds nothing that is still emitting unless the model changes.
            if (qstrcmp(trigger, "Right key") != 0 || qstrcmp(rebuild, "other model") == 0) {
                QTest::addRow("%s, %s", trigger, rebuild)
                    << QString::fromLatin1(trigger) << QString::fromLatin1(rebuild);
            }
        }
    }
}

// An application that rebuilds the view from its currentItemChanged handler, as it may with a plain QListView.
void tst_Reliability::cascadingViewSurvivesRebuildFromItsSignal()
{
    QFETCH(QString, trigger);
    QFETCH(QString, rebuild);

    ResettableModel model;
    addPaths(model, QStringLiteral("A/B/C A/D E/F"));
    QStandardItemModel other;
    addPaths(other, QStringLiteral("X/Y Z"));
    QWidget window;
    auto *view = new CascadingListView(&model, &window);
    view->resize(900, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    CascadingListViewPanel *first = panelAt(*view, 0);
    QVERIFY(first);
    // A as the open item, with B current in level 1, for the triggers that need one.
    first->setFocus();
    first->setCurrentIndex(model.index(0, 0));
    CascadingListViewPanel *second = first->getChildPanel();
    QVERIFY(second);
    second->setCurrentIndex(model.index(0, 0, model.index(0, 0)));
    QVERIFY(second->currentIndex().isValid());

    QAbstractItemModel *expected = rebuild == QLatin1String("other model") ? &other : &model;
    int rebuilds = 0;
    connect(view, &CascadingListView::currentItemChanged, view, [&] {
        if (rebuilds++ > 0) {
            return;
        }
        if (rebuild == QLatin1String("other model")) {
            view->setModel(&other);
        } else if (rebuild == QLatin1String("same model")) {
            view->setModel(&model);
        } else {
            model.reset();
        }
    });

    if (trigger == QLatin1String("Down key")) {
        QTest::keyClick(first, Qt::Key_Down);
    } else if (trigger == QLatin1String("setCurrentIndex")) {
        first->setCurrentIndex(model.index(1, 0));
    } else if (trigger == QLatin1String("Right key")) {
        // From B in level 1 to its first child C in level 2.
        second->setFocus();
        QTest::keyClick(second, Qt::Key_Right);
    } else {
        const QRect item = first->visualRect(first->currentIndex());
        QTest::mouseClick(first->viewport(), Qt::LeftButton, {}, item.center());
    }
    QVERIFY(rebuilds > 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The view shows the model it was given last, from its top level, with one panel per level.
    const int depth = Nalu::Helpers::getModelMaxDepth(expected);
    QCOMPARE(view->getNumberOfPanels(), depth);
    const QList<CascadingListViewPanel *> panels = chain(*view);
    QCOMPARE(panels.count(), depth);
    QCOMPARE(panels.first()->model(), expected);
    QCOMPARE(panels.first()->model()->rowCount(panels.first()->rootIndex()), expected->rowCount());
    // Nothing of the old chain is left behind in the view.
    QCOMPARE(view->findChildren<CascadingListViewPanel *>().count(), depth);

    // And it browses on: the first item's children fill level 1.
    panels.first()->setCurrentIndex(expected->index(0, 0));
    QCOMPARE(panels.at(1)->model(), expected);
    QCOMPARE(panels.at(1)->rootIndex(), expected->index(0, 0));
}

void tst_Reliability::cascadingViewBoundsTheLevelsItCounts_data()
{
    QTest::addColumn<int>("chainDepth"); // 0: the endless model
    QTest::addColumn<int>("maximum"); // 0: the default
    QTest::addColumn<int>("panels");
    const int byDefault = CascadingListView::DefaultMaximumNumberOfPanels;
    QTest::newRow("endless model, default") << 0 << 0 << byDefault;
    QTest::newRow("endless model, maximum 3") << 0 << 3 << 3;
    QTest::newRow("chain below the default") << byDefault - 1 << 0 << byDefault - 1;
    QTest::newRow("chain at the default") << byDefault << 0 << byDefault;
    QTest::newRow("chain past the default") << byDefault + 1 << 0 << byDefault;
    QTest::newRow("chain past the maximum 1") << 2 << 1 << 1;
}

// A model whose tree never ends gives the view as many panels as it allows, and at once.
void tst_Reliability::cascadingViewBoundsTheLevelsItCounts()
{
    QFETCH(int, chainDepth);
    QFETCH(int, maximum);
    QFETCH(int, panels);

    EndlessModel endless(3);
    QStandardItemModel finite;
    addChain(finite, chainDepth);
    QAbstractItemModel *model = chainDepth == 0 ? static_cast<QAbstractItemModel *>(&endless) : &finite;

    QWidget window;
    QElapsedTimer timer;
    timer.start();
    auto *view = new CascadingListView(maximum == 0 ? model : nullptr, &window);
    if (maximum != 0) {
        view->setMaximumNumberOfPanels(maximum);
        view->setModel(model);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Generous, for slow machines and sanitizers: without the bound the constructor never returns.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(view->getNumberOfPanels(), panels);
    QCOMPARE(Nalu::Helpers::getModelMaxDepth(model, maximum == 0 ? view->getMaximumNumberOfPanels() : maximum), panels);

    // The last panel browses the last level it has; the first lists the top level.
    const QList<CascadingListViewPanel *> list = chain(*view);
    QCOMPARE(list.count(), panels);
    QCOMPARE(list.first()->model()->rowCount(list.first()->rootIndex()), model->rowCount());
    QModelIndex index = model->index(0, 0);
    for (int level = 0; level + 1 < panels; ++level) {
        list.at(level)->setCurrentIndex(index);
        index = model->index(0, 0, index);
    }
    QCOMPARE(list.last()->rootIndex().isValid(), panels > 1);
}

void tst_Reliability::cascadingViewMaximumNumberOfPanelsProperty()
{
    QStandardItemModel model;
    addChain(model, 5);
    CascadingListView view(&model, nullptr);
    QCOMPARE(view.getNumberOfPanels(), 5);
    QCOMPARE(view.getMaximumNumberOfPanels(), CascadingListView::DefaultMaximumNumberOfPanels);

    const QMetaProperty property
        = view.metaObject()->property(view.metaObject()->indexOfProperty("maximumNumberOfPanels"));
    QVERIFY(property.isValid() && property.isWritable() && property.hasNotifySignal());
    QSignalSpy changed(&view, &CascadingListView::maximumNumberOfPanelsChanged);
    QVERIFY(changed.isValid());
    QCOMPARE(property.notifySignal().methodSignature(), QByteArrayLiteral("maximumNumberOfPanelsChanged(int)"));

    QVERIFY(property.write(&view, 2));
    QCOMPARE(view.getNumberOfPanels(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.takeFirst().at(0).toInt(), 2);
    view.setMaximumNumberOfPanels(2);
    QCOMPARE(changed.count(), 0);

    for (int bad : {0, -1, std::numeric_limits<int>::min()}) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral(
                                 "^Nalu::Components::CascadingListView::setMaximumNumberOfPanels: .* stays 2$")));
        view.setMaximumNumberOfPanels(bad);
        QCOMPARE(view.getMaximumNumberOfPanels(), 2);
        QCOMPARE(view.getNumberOfPanels(), 2);
    }
    QCOMPARE(changed.count(), 0);

    view.setMaximumNumberOfPanels(100);
    QCOMPARE(view.getNumberOfPanels(), 5);
    QVERIFY(
        QString::fromLatin1(view.metaObject()->classInfo(view.metaObject()->indexOfClassInfo("description")).value())
            .contains(QLatin1String("maximumNumberOfPanels")));
}

void tst_Reliability::groupsSkipMembersDeletedDuringTheirWalk_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("deleted"); // the member the receiver deletes: ahead in the walk, or the one turned on
    for (const char *group : {"card group", "expander group", "button group"}) {
        QTest::addRow("%s, member ahead", group) << QString::fromLatin1(group) << 2;
    }
    QTest::newRow("card group, the sender") << QStringLiteral("card group") << 1;
    QTest::newRow("expander group, the sender") << QStringLiteral("expander group") << 1;
}

// Members 0 and 2 are on; turning member 1 on (or, for the button group, leaving exclusive mode) walks the
// members and turns the others off. The receiver of the first "off" signal deletes one member.
void tst_Reliability::groupsSkipMembersDeletedDuringTheirWalk()
{
    QFETCH(QString, group);
    QFETCH(int, deleted);

    QWidget window;
    QList<QPointer<QWidget>> members;
    std::function<QList<QWidget *>()> groupMembers;
    std::function<bool(QWidget *)> isOn;
    std::function<void()> act;
    std::unique_ptr<QObject> owner;
    int offSignals = 0;
    // Receivers use the member they are given: it must be alive.
    const auto deleteOnFirstOff = [&](QWidget *member, bool on) {
        QCOMPARE(member->window(), &window);
        if (!on && offSignals++ == 0) {
            delete members.at(deleted).data();
        }
    };

    if (group == QLatin1String("card group")) {
        auto *cards = new CardWidgetGroup;
        owner.reset(cards);
        cards->setExclusive(false);
        for (int i = 0; i < 3; ++i) {
            auto *card = new CardWidget(QStringLiteral("Card %1").arg(i), &window);
            card->setCheckable(true);
            card->setChecked(i != 1);
            cards->addCardWidget(card);
            members.append(card);
        }
        cards->setExclusive(true);
        connect(cards, &CardWidgetGroup::cardWidgetChecked, cards,
                [&](CardWidget *card, bool on) { deleteOnFirstOff(card, on); });
        groupMembers = [cards] {
            const QList<CardWidget *> list = cards->getCardWidgets();
            return QList<QWidget *>(list.cbegin(), list.cend());
        };
        isOn = [](QWidget *w) { return static_cast<CardWidget *>(w)->isChecked(); };
        act = [&] { static_cast<CardWidget *>(members.at(1).data())->setChecked(true); };
    } else if (group == QLatin1String("expander group")) {
        auto *expanders = new ExpanderWidgetGroup;
        owner.reset(expanders);
        expanders->setExclusive(false);
        for (int i = 0; i < 3; ++i) {
            auto *expander = new ExpanderWidget(QStringLiteral("Expander %1").arg(i), &window);
            expander->setExpanded(i != 1);
            expanders->addExpanderWidget(expander);
            members.append(expander);
        }
        expanders->setExclusive(true);
        connect(expanders, &ExpanderWidgetGroup::expanderWidgetToggled, expanders,
                [&](ExpanderWidget *expander, bool on) { deleteOnFirstOff(expander, on); });
        groupMembers = [expanders] {
            const QList<ExpanderWidget *> list = expanders->getExpanderWidgets();
            return QList<QWidget *>(list.cbegin(), list.cend());
        };
        isOn = [](QWidget *w) { return static_cast<ExpanderWidget *>(w)->isExpanded(); };
        act = [&] { static_cast<ExpanderWidget *>(members.at(1).data())->expand(); };
    } else {
        // Exclusive: one member checked. Leaving exclusive mode unchecks the members in order.
        auto *buttons = new ButtonGroupWidget(&window);
        for (int i = 0; i < 3; ++i) {
            auto *button = new QPushButton(QStringLiteral("Button %1").arg(i));
            button->setCheckable(true);
            buttons->addButton(button);
            members.append(button);
        }
        buttons->setExclusive(true);
        static_cast<QAbstractButton *>(members.at(0).data())->setChecked(true);
        connect(buttons, &ButtonGroupWidget::buttonToggled, buttons,
                [&](QAbstractButton *button, bool on) { deleteOnFirstOff(button, on); });
        groupMembers = [buttons] {
            const QList<QAbstractButton *> list = buttons->getButtons();
            return QList<QWidget *>(list.cbegin(), list.cend());
        };
        isOn = [](QWidget *w) { return static_cast<QAbstractButton *>(w)->isChecked(); };
        act = [buttons] { buttons->setExclusive(false); };
    }

    act();

    QVERIFY(offSignals > 0);
    QVERIFY(!members.at(deleted));
    // The members are exactly the live widgets added, in order.
    QList<QWidget *> live;
    for (const QPointer<QWidget> &member : qAsConst(members)) {
        if (member) {
            live.append(member);
        }
    }
    QCOMPARE(groupMembers(), live);
    // The walk went on past the deleted member: only the member turned on is on.
    for (int i = 0; i < members.count(); ++i) {
        if (members.at(i)) {
            QCOMPARE(isOn(members.at(i)), group != QLatin1String("button group") && i == 1);
        }
    }
}

void tst_Reliability::groupMemberDeletedBySignalOfItsOwnSetter_data()
{
    QTest::addColumn<QString>("member");
    QTest::newRow("card, setCheckable(false) unchecks first") << QStringLiteral("card");
    QTest::newRow("expander, setExpandable(false) collapses first") << QStringLiteral("expander");
}

// A setter that turns its member off before it finishes: the group's receiver of that "off" deletes the member,
// and the setter stops there (found by the fuzzer: it went on in the deleted widget).
void tst_Reliability::groupMemberDeletedBySignalOfItsOwnSetter()
{
    QFETCH(QString, member);

    QWidget window;
    QPointer<QWidget> widget;
    int offSignals = 0;
    std::unique_ptr<QObject> owner;
    std::function<int()> memberCount;
    if (member == QLatin1String("card")) {
        auto *group = new CardWidgetGroup;
        owner.reset(group);
        auto *card = new CardWidget(QStringLiteral("Card"), &window);
        card->setCheckable(true);
        card->setChecked(true);
        group->addCardWidget(card);
        widget = card;
        connect(group, &CardWidgetGroup::cardWidgetChecked, group, [&offSignals](CardWidget *sender, bool on) {
            offSignals += on ? 0 : 1;
            delete sender;
        });
        memberCount = [group] { return group->getCardWidgets().count(); };
        card->setCheckable(false);
    } else {
        auto *group = new ExpanderWidgetGroup;
        owner.reset(group);
        auto *expander = new ExpanderWidget(QStringLiteral("Expander"), &window);
        QVERIFY(expander->isExpanded());
        group->addExpanderWidget(expander);
        widget = expander;
        connect(group, &ExpanderWidgetGroup::expanderWidgetToggled, group,
                [&offSignals](ExpanderWidget *sender, bool on) {
                    offSignals += on ? 0 : 1;
                    delete sender;
                });
        memberCount = [group] { return group->getExpanderWidgets().count(); };
        expander->setExpandable(false);
    }
    QCOMPARE(offSignals, 1);
    QVERIFY(!widget);
    QCOMPARE(memberCount(), 0);
}

void tst_Reliability::flowLayoutHeightForAnyWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("-1") << -1;
    QTest::newRow("lowest int") << std::numeric_limits<int>::min();
}

// Widths below zero are no width: every item on a row of its own, as at width 0 (found by the fuzzer: the lowest
// int overflowed the layout rectangle).
void tst_Reliability::flowLayoutHeightForAnyWidth()
{
    QFETCH(int, width);
    QWidget host;
    auto *layout = new FlowLayout(&host, 2, 4, 6);
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(QStringLiteral("Item %1").arg(i));
        label->setFixedSize(30, 10);
        layout->addWidget(label);
    }
    // Three rows of 10 with two gaps of 6, and the margins.
    QCOMPARE(layout->heightForWidth(0), 2 + 3 * 10 + 2 * 6 + 2);
    QCOMPARE(layout->heightForWidth(width), layout->heightForWidth(0));
}

void tst_Reliability::flowLayoutSizeHintsOfHugeItems_data()
{
    QTest::addColumn<int>("itemSize");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("expected");
    constexpr int intMax = std::numeric_limits<int>::max();
    QTest::newRow("ordinary item") << 30 << 2 << 34;
    QTest::newRow("margins reach the largest int") << intMax - 4 << 2 << intMax;
    QTest::newRow("margins pass the largest int") << intMax - 3 << 2 << intMax;
    QTest::newRow("largest int") << intMax << 7 << intMax;
}

// The hints add twice the left and top margins to the largest item's; a spacer may be as large as an int goes,
// and the sum stops there (found by the fuzzer: it overflowed).
void tst_Reliability::flowLayoutSizeHintsOfHugeItems()
{
    QFETCH(int, itemSize);
    QFETCH(int, margin);
    QFETCH(int, expected);
    FlowLayout layout(margin, 3, 3);
    layout.addItem(new QSpacerItem(itemSize, itemSize, QSizePolicy::Fixed, QSizePolicy::Fixed));
    layout.addItem(new QSpacerItem(10, 10, QSizePolicy::Fixed, QSizePolicy::Fixed));
    QCOMPARE(layout.sizeHint(), QSize(expected, expected));
    QCOMPARE(layout.minimumSize(), QSize(expected, expected));
}

void tst_Reliability::rangeDragKeepsWidthFarFromZero_data()
{
    QTest::addColumn<qint64>("minimum");
    QTest::addColumn<qint64>("maximum");
    constexpr qint64 intMin = std::numeric_limits<int>::min();
    constexpr qint64 intMax = std::numeric_limits<int>::max();
    QTest::newRow("0 to 99") << qint64(0) << qint64(99);
    QTest::newRow("-1000 to 0") << qint64(-1000) << qint64(0);
    QTest::newRow("-2e9 to 1e8") << qint64(-2000000000) << qint64(100000000);
    QTest::newRow("timestamps in seconds") << qint64(1600000000) << qint64(2100000000);
    QTest::newRow("negative timestamps") << qint64(-2100000000) << qint64(-1600000000);
    // Qt's styles place the handles of sliders wider than the largest int at the start: those are left out.
    QTest::newRow("lowest ints") << intMin << intMin + 2000000000;
    QTest::newRow("highest ints") << intMax - 2000000000 << intMax;
}

// Dragging the range between the handles: by zero pixels nothing changes; against either end the range
// stops there with its width, whatever the bounds.
void tst_Reliability::rangeDragKeepsWidthFarFromZero()
{
    QFETCH(qint64, minimum);
    QFETCH(qint64, maximum);

    RangeSlider slider;
    slider.setRange(int(minimum), int(maximum));
    slider.resize(400, slider.sizeHint().height());
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    const qint64 span = maximum - minimum;
    const int low = int(minimum + span / 4);
    const int high = int(minimum + span / 2 + span / 8);
    slider.setSliderRange(low, high);
    QCOMPARE(slider.getMinHandleValue(), low);
    QCOMPARE(slider.getMaxHandleValue(), high);
    const qint64 width = qint64(high) - low;

    const QPoint between((int(slider.width() * 0.25) + int(slider.width() * 0.625)) / 2, slider.height() / 2);
    QTest::mousePress(&slider, Qt::LeftButton, {}, between);
    QVERIFY(slider.isMinimumHandleDown() && slider.isMaximumHandleDown());
    QMouseEvent still(QEvent::MouseMove, between, slider.mapToGlobal(between), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&slider, &still);
    QCOMPARE(slider.getMinHandleValue(), low);
    QCOMPARE(slider.getMaxHandleValue(), high);

    for (const int x : {slider.width() + 100, -100, between.x()}) {
        const QPoint point(x, between.y());
        QMouseEvent move(QEvent::MouseMove, point, slider.mapToGlobal(point), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&slider, &move);
        QCOMPARE(qint64(slider.getMaxHandleValue()) - slider.getMinHandleValue(), width);
        if (x > slider.width()) {
            QCOMPARE(slider.getMaxHandleValue(), int(maximum));
        } else if (x < 0) {
            QCOMPARE(slider.getMinHandleValue(), int(minimum));
        } else {
            // Back at the press point: the range of the press.
            QCOMPARE(slider.getMinHandleValue(), low);
        }
    }
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, between);
}

void tst_Reliability::rangeSliderTickMarksOverHugeRanges_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("tickInterval");
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("interval"); // the interval the style is asked for; -1: any that fits the pixels
    QTest::addColumn<bool>("drawn");
    constexpr int intMax = std::numeric_limits<int>::max();
    QTest::newRow("0 to 99 every 10") << 0 << 99 << 10 << Qt::Horizontal << 10 << true;
    QTest::newRow("a million every 7, vertical") << 0 << 1000000 << 7 << Qt::Vertical << -1 << true;
    QTest::newRow("two billion every 1") << -1000000000 << 1000000000 << 1 << Qt::Horizontal << -1 << true;
    QTest::newRow("two billion, no interval") << -1000000000 << 1000000000 << 0 << Qt::Horizontal << -1 << true;
    // A style's loop over the marks steps past the maximum, which the largest int cannot: no marks there.
    QTest::newRow("up to the largest int") << 0 << intMax << 1 << Qt::Horizontal << -1 << false;
}

// Tick marks over a range of billions: at most one mark per pixel, so that painting returns at once (a style
// draws one line per interval, which was one per value).
void tst_Reliability::rangeSliderTickMarksOverHugeRanges()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, tickInterval);
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, interval);
    QFETCH(bool, drawn);

    TickCountingStyle style;
    RangeSlider slider;
    slider.setStyle(&style);
    slider.setOrientation(orientation);
    slider.setRange(minimum, maximum);
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.setTickInterval(tickInterval);
    slider.resize(orientation == Qt::Horizontal ? QSize(300, 40) : QSize(40, 300));

    QElapsedTimer timer;
    timer.start();
    const QPixmap painted = slider.grab();
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QStringLiteral("painting took %1 ms").arg(timer.elapsed())));
    QVERIFY(!painted.isNull());
    QCOMPARE(style.calls > 0, drawn);
    if (drawn) {
        QVERIFY2(style.marks <= style.pixels,
                 qPrintable(QStringLiteral("%1 marks on %2 pixels").arg(style.marks).arg(style.pixels)));
        if (interval >= 0) {
            QCOMPARE(style.interval, interval);
        }
    }
}

// Two pointer moves queued over a handle: the first shows the handle's pop-up, and the offscreen platform delivers
// the second while it makes the pop-up's window. Showing the pop-up again from there made a second platform window
// for the same window, and the first was lost (found by valgrind).
void tst_Reliability::rangeSliderPopupShownOnceWhileItsWindowIsMade()
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QSKIP("Needs the offscreen platform, which delivers queued events while it makes a window");
    }
    RangeSlider slider;
    slider.setRange(0, 100);
    slider.setSliderRange(20, 80);
    slider.resize(300, slider.sizeHint().height());
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));

    QHash<QObject *, int> surfacesMade;
    struct SurfaceCounter : QObject
    {
        QHash<QObject *, int> *made = nullptr;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::PlatformSurface
                && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
                    == QPlatformSurfaceEvent::SurfaceCreated) {
                ++(*made)[watched];
            }
            return false;
        }
    } counter;
    counter.made = &surfacesMade;
    qApp->installEventFilter(&counter);

    const QPoint handle = slider.mapToGlobal(QPoint(int(slider.width() * 0.2), slider.height() / 2));
    QCursor::setPos(handle);
    QCursor::setPos(handle + QPoint(1, 0));
    QTRY_VERIFY(!surfacesMade.isEmpty());
    QTest::qWait(50);
    qApp->removeEventFilter(&counter);
    for (auto it = surfacesMade.cbegin(); it != surfacesMade.cend(); ++it) {
        QCOMPARE(it.value(), 1);
    }
}

void tst_Reliability::enumSettersIgnoreValuesOutsideTheirEnum_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("value");
    for (const char *setter : {"CardWidgetBase::setShape", "CascadingListView::setPreviewPolicy",
                               "ColorButton::setColorDialogMode", "RangeSlider::setPopupPosition"}) {
        for (const int value : {-1, 3, std::numeric_limits<int>::min()}) {
            QTest::addRow("%s(%d)", setter, value) << QString::fromLatin1(setter) << value;
        }
    }
}

// A value cast to an enum it is not part of (from a property written with a plain int, a form, a script) leaves
// the component as it was and says so.
void tst_Reliability::enumSettersIgnoreValuesOutsideTheirEnum()
{
    QFETCH(QString, setter);
    QFETCH(int, value);

    // Each component is first given a value other than its default.
    std::unique_ptr<QWidget> widget;
    const char *property = nullptr;
    std::function<void()> set;
    if (setter.startsWith(QLatin1String("CardWidgetBase"))) {
        auto *card = new CardWidget(QStringLiteral("Card"), nullptr);
        card->setShape(CardWidgetBase::NoFrame);
        set = [card, value] { card->setShape(CardWidgetBase::Shape(value)); };
        widget.reset(card);
        property = "shape";
    } else if (setter.startsWith(QLatin1String("CascadingListView"))) {
        auto *view = new CascadingListView(nullptr);
        view->setPreviewPolicy(CascadingListView::PREVIEW_SHOWN_ON_DEMAND);
        set = [view, value] { view->setPreviewPolicy(CascadingListView::PreviewPolicy(value)); };
        widget.reset(view);
        property = "previewPolicy";
    } else if (setter.startsWith(QLatin1String("ColorButton"))) {
        auto *button = new ColorButton;
        button->setColorDialogMode(ColorButton::Popup);
        QVERIFY(button->menu());
        set = [button, value] { button->setColorDialogMode(ColorButton::ColorDialogMode(value)); };
        widget.reset(button);
        property = "colorDialogMode";
    } else {
        auto *slider = new RangeSlider;
        slider->setPopupPosition(RangeSlider::Below);
        set = [slider, value] { slider->setPopupPosition(RangeSlider::PopupsPosition(value)); };
        widget.reset(slider);
        property = "popupsPosition";
    }
    const QMetaProperty meta = widget->metaObject()->property(widget->metaObject()->indexOfProperty(property));
    QVERIFY(meta.isEnumType());
    const QVariant before = meta.read(widget.get());
    std::unique_ptr<QSignalSpy> notified;
    if (meta.hasNotifySignal()) {
        notified = std::make_unique<QSignalSpy>(widget.get(), meta.notifySignal());
    }
    QMenu *menu
        = qobject_cast<QPushButton *>(widget.get()) ? static_cast<QPushButton *>(widget.get())->menu() : nullptr;

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Nalu::Components::%1: %2 is not a \\w+, the "
                                                           "\\w+ stays %3$")
                                                .arg(QRegularExpression::escape(setter))
                                                .arg(value)
                                                .arg(QLatin1String(meta.enumerator().valueToKey(before.toInt())))));
    set();
    QCOMPARE(meta.read(widget.get()).toInt(), before.toInt());
    if (notified) {
        QCOMPARE(notified->count(), 0);
    }
    if (menu) {
        QCOMPARE(static_cast<QPushButton *>(widget.get())->menu(), menu);
    }
}

void tst_Reliability::groupPopUpAfterItsMenuWasDeleted_data()
{
    QTest::addColumn<QString>("call");
    for (const char *call : {"addButton", "removeButton", "setButtons", "setExclusive"}) {
        QTest::newRow(call) << QString::fromLatin1(call);
    }
}

// The application deletes the pop-up's menu, and the button group in it: the pop-up answers as an empty group and
// leaves the buttons it is given alone.
void tst_Reliability::groupPopUpAfterItsMenuWasDeleted()
{
    QFETCH(QString, call);
    ToolButtonGroupPopUp popUp;
    auto *member = new QToolButton;
    popUp.addButton(member);
    const QPointer<ButtonGroupWidget> group = popUp.findChild<ButtonGroupWidget *>();
    QVERIFY(group);
    const QPointer<QAbstractButton> guard(member);
    delete popUp.menu();
    QVERIFY(!group);
    QVERIFY(!guard); // a member goes with its group

    QToolButton outsider;
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QStringLiteral("Nalu::Components::ToolButtonGroupPopUp::%1: the "
                                                   "button group was deleted with its menu, nothing "
                                                   "changes")
                                        .arg(call)));
    if (call == QLatin1String("addButton")) {
        popUp.addButton(&outsider);
    } else if (call == QLatin1String("removeButton")) {
        popUp.removeButton(&outsider);
    } else if (call == QLatin1String("setButtons")) {
        popUp.setButtons({&outsider});
    } else {
        popUp.setExclusive(true);
    }
    QVERIFY(popUp.getButtons().isEmpty());
    QVERIFY(!popUp.getButton(0) && !popUp.getCheckedButton() && !popUp.isExclusive());
    QVERIFY(!outsider.parent());
    QVERIFY(!outsider.autoRaise());
}

void tst_Reliability::buttonGroupMemberDeletedWhileItIsAdded_data()
{
    QTest::addColumn<bool>("list");
    QTest::addColumn<bool>("workflow");
    QTest::newRow("addButton") << false << false;
    QTest::newRow("addButton, workflow") << false << true;
    QTest::newRow("setButtons, a later button") << true << false;
}

// A checked button joins an exclusive group and unchecks the checked member; the receiver of that toggle deletes
// the button being added (or, for setButtons, the next one in the list). Found by the fuzzer: the group went on
// with the deleted button.
void tst_Reliability::buttonGroupMemberDeletedWhileItIsAdded()
{
    QFETCH(bool, list);
    QFETCH(bool, workflow);
    ButtonGroupWidget group;
    group.setExclusive(true);
    group.setWorkflow(workflow);
    auto *first = new QPushButton(QStringLiteral("first"));
    group.addButton(first);
    first->setChecked(true);
    QList<QAbstractButton *> added;
    for (int i = 0; i < 2; ++i) {
        auto *button = new QPushButton(QStringLiteral("added %1").arg(i));
        button->setCheckable(true);
        button->setChecked(true);
        added.append(button);
    }
    QAbstractButton *victim = added.at(list ? 1 : 0);
    const QPointer<QAbstractButton> guard(victim);
    connect(&group, &ButtonGroupWidget::buttonToggled, &group, [&](QAbstractButton *button, bool on) {
        if (button == first && !on) {
            delete guard.data();
        }
    });
    if (list) {
        group.setButtons(added);
    } else {
        group.addButton(victim);
        delete added.at(1);
    }
    QVERIFY(!guard);
    const QList<QAbstractButton *> expected
        = list ? QList<QAbstractButton *> {first, added.at(0)} : QList<QAbstractButton *> {first};
    QCOMPARE(group.getButtons(), expected);
}

QTEST_MAIN(tst_Reliability)
#include "tst_reliability.moc"
