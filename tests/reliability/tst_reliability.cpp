// SPDX-License-Identifier: MIT

// Using the components as an adversarial application would: receivers that delete members or rebuild a view
// from inside the components' own signals, value ranges far from zero, models whose tree never ends, values
// outside an enum. Each case here once crashed, hung or computed a wrong result.

#include "TestSupport.h"

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetGroup.h>
#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/CascadingListViewPanelContainer.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/ExpanderWidgetGroup.h>
#include <ComponentsLibrary/FlowLayout.h>
#include <ComponentsLibrary/MinimizedScrollBarVertical.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/ToolButtonGroupPopUp.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>
#include <ComponentsLibrary/UserConnector.h>

#include <vantor_common_models/ColormapModel.h>
#include <vantor_common_models/User.h>
#include <vantor_common_models/UserConnectorModel.h>
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

constexpr int intMin = std::numeric_limits<int>::min();
constexpr int intMax = std::numeric_limits<int>::max();

struct ResettableModel : QStandardItemModel
{
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
};

// A tree that never ends: every item has `width` children, down to any depth. An index's internal id is its depth.
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

// The panels of the view's chain, level 0 first. The chain starts at the panel without a parent panel whose card
// sits in the view's panels splitter (a panel taken out of the view waits for its deletion elsewhere).
QList<CascadingListViewPanel *> chain(const CascadingListView &view)
{
    QList<CascadingListViewPanel *> panels;
    for (auto *candidate : view.findChildren<CascadingListViewPanel *>()) {
        QWidget *container = candidate->parentWidget();
        while (container && !qobject_cast<CascadingListViewPanelContainer *>(container)) {
            container = container->parentWidget();
        }
        if (!candidate->getParentPanel() && container && qobject_cast<QSplitter *>(container->parentWidget())) {
            panels = {candidate};
        }
    }
    while (!panels.isEmpty() && panels.last()->getChildPanel()) {
        panels.append(panels.last()->getChildPanel());
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

template<typename T>
QList<QWidget *> widgets(const QList<T *> &list)
{
    return QList<QWidget *>(list.cbegin(), list.cend());
}

// An exclusive card, expander or button group of members in `window`, those flagged in `on` turned on; `toggled`
// hears the group's signal for each member turned on or off. `act` turns member 1 on ("turn 1 on"), turns member
// 0 off for good ("disable 0"), leaves exclusive mode ("leave exclusive"), or adds one or two checked buttons
// ("addButton", "setButtons").
struct Group
{
    std::unique_ptr<QObject> owner;
    QList<QPointer<QWidget>> members;
    std::function<QList<QWidget *>()> list;
    std::function<bool(QWidget *)> isOn;
    std::function<void(const QString &)> act;
    std::function<void(QWidget *, bool)> toggled;
};

std::unique_ptr<Group> makeGroup(const QString &kind, QWidget *window, const QList<bool> &on)
{
    auto group = std::make_unique<Group>();
    Group *g = group.get();
    const auto report = [g](QWidget *member, bool state) { g->toggled(member, state); };
    if (kind == QLatin1String("card group")) {
        auto *cards = new CardWidgetGroup;
        g->owner.reset(cards);
        cards->setExclusive(false);
        for (const bool checked : on) {
            auto *card = new CardWidget(QStringLiteral("Card"), window);
            card->setCheckable(true);
            card->setChecked(checked);
            cards->addCardWidget(card);
            g->members.append(card);
        }
        cards->setExclusive(true);
        QObject::connect(cards, &CardWidgetGroup::cardWidgetChecked, report);
        g->list = [cards] { return widgets(cards->getCardWidgets()); };
        g->isOn = [](QWidget *w) { return static_cast<CardWidget *>(w)->isChecked(); };
        g->act = [g](const QString &action) {
            const bool turnOn = action == QLatin1String("turn 1 on");
            auto *card = static_cast<CardWidget *>(g->members.at(turnOn ? 1 : 0).data());
            turnOn ? card->setChecked(true) : card->setCheckable(false);
        };
    } else if (kind == QLatin1String("expander group")) {
        auto *expanders = new ExpanderWidgetGroup;
        g->owner.reset(expanders);
        expanders->setExclusive(false);
        for (const bool expanded : on) {
            auto *expander = new ExpanderWidget(QStringLiteral("Expander"), window);
            expander->setExpanded(expanded);
            expanders->addExpanderWidget(expander);
            g->members.append(expander);
        }
        expanders->setExclusive(true);
        QObject::connect(expanders, &ExpanderWidgetGroup::expanderWidgetToggled, report);
        g->list = [expanders] { return widgets(expanders->getExpanderWidgets()); };
        g->isOn = [](QWidget *w) { return static_cast<ExpanderWidget *>(w)->isExpanded(); };
        g->act = [g](const QString &action) {
            const bool turnOn = action == QLatin1String("turn 1 on");
            auto *expander = static_cast<ExpanderWidget *>(g->members.at(turnOn ? 1 : 0).data());
            turnOn ? expander->expand() : expander->setExpandable(false);
        };
    } else {
        auto *buttons = new ButtonGroupWidget(window);
        buttons->setWorkflow(kind.startsWith(QLatin1String("workflow")));
        for (int i = 0; i < on.size(); ++i) {
            auto *button = new QPushButton(QStringLiteral("Button"));
            button->setCheckable(true);
            buttons->addButton(button);
            g->members.append(button);
        }
        buttons->setExclusive(true);
        for (int i = 0; i < on.size(); ++i) {
            static_cast<QAbstractButton *>(g->members.at(i).data())->setChecked(on.at(i));
        }
        QObject::connect(buttons, &ButtonGroupWidget::buttonToggled, report);
        g->list = [buttons] { return widgets(buttons->getButtons()); };
        g->isOn = [](QWidget *w) { return static_cast<QAbstractButton *>(w)->isChecked(); };
        g->act = [g, buttons](const QString &action) {
            if (action == QLatin1String("leave exclusive")) {
                buttons->setExclusive(false);
                return;
            }
            // Checked buttons join: each unchecks the checked member.
            QList<QAbstractButton *> added;
            for (int i = 0; i < (action == QLatin1String("setButtons") ? 2 : 1); ++i) {
                added.append(new QPushButton(QStringLiteral("Added")));
                added.last()->setCheckable(true);
                added.last()->setChecked(true);
                g->members.append(added.last());
            }
            action == QLatin1String("setButtons") ? buttons->setButtons(added) : buttons->addButton(added.first());
        };
    }
    return group;
}

QWidget *makeWidget(const QString &className)
{
    if (className == QLatin1String("CardWidgetBase")) {
        return new CardWidget(QStringLiteral("Card"), nullptr);
    }
    if (className == QLatin1String("CascadingListView")) {
        auto *model = new QStandardItemModel;
        TestSupport::addPaths(*model, QStringLiteral("A/B/C"));
        auto *view = new CascadingListView(model, nullptr);
        model->setParent(view);
        return view;
    }
    if (className == QLatin1String("ColorButton")) {
        return new ColorButton;
    }
    return new RangeSlider;
}

} // namespace

class tst_Reliability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cascadingViewSurvivesRebuildFromItsSignal_data()
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
    void cascadingViewSurvivesRebuildFromItsSignal()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, rebuild);
        ResettableModel model;
        TestSupport::addPaths(model, QStringLiteral("A/B/C A/D E/F"));
        QStandardItemModel other;
        TestSupport::addPaths(other, QStringLiteral("X/Y Z"));
        QWidget window;
        auto *view = new CascadingListView(&model, &window);
        view->resize(900, 300);
        QVERIFY(TestSupport::showActive(window));

        // A as the open item, with B current in level 1, for the triggers that need one.
        CascadingListViewPanel *first = chain(*view).value(0);
        QVERIFY(first);
        first->setFocus();
        first->setCurrentIndex(model.index(0, 0));
        CascadingListViewPanel *second = first->getChildPanel();
        QVERIFY(second);
        second->setCurrentIndex(model.index(0, 0, model.index(0, 0)));

        QAbstractItemModel *expected = rebuild == QLatin1String("other model") ? &other : &model;
        int rebuilds = 0;
        connect(view, &CascadingListView::currentItemChanged, view, [&] {
            if (rebuilds++ == 0) {
                rebuild == QLatin1String("model reset") ? model.reset() : view->setModel(expected);
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
            QTest::mouseClick(first->viewport(), Qt::LeftButton, {}, first->visualRect(first->currentIndex()).center());
        }
        QVERIFY(rebuilds > 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // The view shows the model it was given last, from its top level, one panel per level and no other.
        const int depth = Nalu::Helpers::getModelMaxDepth(expected);
        QCOMPARE(view->getNumberOfPanels(), depth);
        const QList<CascadingListViewPanel *> panels = chain(*view);
        QCOMPARE(panels.count(), depth);
        QCOMPARE(view->findChildren<CascadingListViewPanel *>().count(), depth);
        QCOMPARE(panels.first()->model(), expected);
        QVERIFY(!panels.first()->rootIndex().isValid());
        // And it browses on: the first item's children fill level 1.
        panels.first()->setCurrentIndex(expected->index(0, 0));
        QCOMPARE(panels.at(1)->model(), expected);
        QCOMPARE(panels.at(1)->rootIndex(), expected->index(0, 0));
    }

    void cascadingViewBoundsTheLevelsItShows_data()
    {
        QTest::addColumn<int>("chainDepth"); // a chain of one item per level; 0: the endless model
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
    // A model whose tree never ends gives the view as many panels as it allows, and at once; a new maximum
    // rebuilds the chain and is announced once.
    void cascadingViewBoundsTheLevelsItShows()
    {
        QFETCH(int, chainDepth);
        QFETCH(int, maximum);
        QFETCH(int, panels);
        EndlessModel endless(3);
        QStandardItemModel finite;
        QStandardItem *item = finite.invisibleRootItem();
        for (int level = 0; level < chainDepth; ++level) {
            item->appendRow(new QStandardItem(QString::number(level)));
            item = item->child(0);
        }
        QAbstractItemModel *model = chainDepth == 0 ? static_cast<QAbstractItemModel *>(&endless) : &finite;

        QWidget window;
        QElapsedTimer timer;
        timer.start();
        auto *view = new CascadingListView(model, &window);
        QSignalSpy changed(view, &CascadingListView::maximumNumberOfPanelsChanged);
        if (maximum != 0) {
            view->setMaximumNumberOfPanels(maximum);
            view->setMaximumNumberOfPanels(maximum);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(changed.at(0).at(0).toInt(), maximum);
        }
        QVERIFY(TestSupport::showExposed(window));
        // Generous, for slow machines and sanitizers: without the bound the constructor never returns.
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(view->getNumberOfPanels(), panels);

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

        // Back to the default: the levels cut off come back.
        view->setMaximumNumberOfPanels(CascadingListView::DefaultMaximumNumberOfPanels);
        QCOMPARE(view->getNumberOfPanels(),
                 chainDepth == 0 ? CascadingListView::DefaultMaximumNumberOfPanels
                                 : qMin(chainDepth, int(CascadingListView::DefaultMaximumNumberOfPanels)));
    }

    void settersIgnoreValuesOutOfRange_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<int>("before"); // set first, other than the default
        QTest::addColumn<int>("value");
        const auto rows = [](const char *setter, const char *property, int before, std::initializer_list<int> values) {
            for (const int value : values) {
                QTest::addRow("%s(%d)", setter, value)
                    << QString::fromLatin1(setter) << QByteArray(property) << before << value;
            }
        };
        rows("CardWidgetBase::setShape", "shape", CardWidgetBase::NoFrame, {-1, 3, intMin});
        rows("CascadingListView::setPreviewPolicy", "previewPolicy", CascadingListView::PREVIEW_SHOWN_ON_DEMAND,
             {-1, 3, intMin});
        rows("ColorButton::setColorDialogMode", "colorDialogMode", ColorButton::Popup, {-1, 3, intMin});
        rows("RangeSlider::setPopupPosition", "popupsPosition", RangeSlider::Below, {-1, 3, intMin});
        rows("CascadingListView::setMaximumNumberOfPanels", "maximumNumberOfPanels", 2, {0, -1, intMin});
    }
    // A value cast to an enum it is not part of (from a property written with a plain int, a form, a script), or a
    // number of panels below one, leaves the component as it was and says so.
    void settersIgnoreValuesOutOfRange()
    {
        QFETCH(QString, setter);
        QFETCH(QByteArray, property);
        QFETCH(int, before);
        QFETCH(int, value);
        const std::unique_ptr<QWidget> widget(makeWidget(setter.section(QLatin1String("::"), 0, 0)));
        const QMetaProperty meta = widget->metaObject()->property(widget->metaObject()->indexOfProperty(property));
        QVERIFY(meta.write(widget.get(), before));
        QCOMPARE(meta.read(widget.get()).toInt(), before);
        const int panels = widget->property("numberOfPanels").toInt();
        const std::unique_ptr<QSignalSpy> notified(
            meta.hasNotifySignal() ? new QSignalSpy(widget.get(), meta.notifySignal()) : nullptr);
        auto *button = qobject_cast<QPushButton *>(widget.get());
        QMenu *menu = button ? button->menu() : nullptr;

        const QString stays
            = meta.isEnumType() ? QLatin1String(meta.enumerator().valueToKey(before)) : QString::number(before);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Nalu::Components::%1: %2 is not a [\\w ]+, the "
                                                               "\\w+ stays %3$")
                                                    .arg(QRegularExpression::escape(setter))
                                                    .arg(value)
                                                    .arg(stays)));
        // Through the setter itself: a property write would first load the value as the enum in Qt's generated
        // code, which is undefined before the setter can refuse it.
        if (auto *card = qobject_cast<CardWidgetBase *>(widget.get()))
            card->setShape(CardWidgetBase::Shape(value));
        else if (auto *button = qobject_cast<ColorButton *>(widget.get()))
            button->setColorDialogMode(ColorButton::ColorDialogMode(value));
        else if (auto *slider = qobject_cast<RangeSlider *>(widget.get()))
            slider->setPopupPosition(RangeSlider::PopupsPosition(value));
        else if (property == "previewPolicy")
            static_cast<CascadingListView *>(widget.get())->setPreviewPolicy(CascadingListView::PreviewPolicy(value));
        else
            QVERIFY(meta.write(widget.get(), value));
        QCOMPARE(meta.read(widget.get()).toInt(), before);
        QCOMPARE(widget->property("numberOfPanels").toInt(), panels);
        QVERIFY(!notified || notified->isEmpty());
        if (button) {
            QVERIFY(menu); // the pop-up mode's menu stays
            QCOMPARE(button->menu(), menu);
        }
    }

    void groupsSurviveMembersDeletedByTheirReceivers_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QList<bool>>("on");
        QTest::addColumn<int>("deleted"); // the member the receiver of the first "off" deletes
        // Turning member 1 on, or leaving exclusive mode, walks the members and turns the others off: the walk
        // skips a member deleted ahead of it, and the one turned on if it goes.
        const QList<bool> walk {true, false, true};
        for (const char *group : {"card group", "expander group"}) {
            QTest::addRow("%s, member ahead", group) << group << "turn 1 on" << walk << 2;
            QTest::addRow("%s, the sender", group) << group << "turn 1 on" << walk << 1;
        }
        QTest::newRow("button group, member ahead") << "button group"
                                                    << "leave exclusive" << QList<bool> {true, false, false} << 2;
        // A checked button joins and unchecks the checked member; the receiver deletes the button being added, or
        // the next one in the list (found by the fuzzer: the group went on with the deleted button).
        QTest::newRow("addButton") << "button group"
                                   << "addButton" << QList<bool> {true} << 1;
        QTest::newRow("addButton, workflow") << "workflow button group"
                                             << "addButton" << QList<bool> {true} << 1;
        QTest::newRow("setButtons, a later button") << "button group"
                                                    << "setButtons" << QList<bool> {true} << 2;
        // A setter that turns its member off before it finishes stops when the receiver deletes the member.
        QTest::newRow("card, setCheckable(false)") << "card group"
                                                   << "disable 0" << QList<bool> {true} << 0;
        QTest::newRow("expander, setExpandable(false)") << "expander group"
                                                        << "disable 0" << QList<bool> {true} << 0;
    }
    void groupsSurviveMembersDeletedByTheirReceivers()
    {
        QFETCH(QString, group);
        QFETCH(QString, action);
        QFETCH(QList<bool>, on);
        QFETCH(int, deleted);
        QWidget window;
        const std::unique_ptr<Group> g = makeGroup(group, &window, on);
        int offSignals = 0;
        g->toggled = [&](QWidget *member, bool state) {
            QCOMPARE(member->window(), &window); // receivers use the member they are given: it must be alive
            if (!state && offSignals++ == 0) {
                delete g->members.at(deleted).data();
            }
        };
        g->act(action);

        QVERIFY(action == QLatin1String("disable 0") ? offSignals == 1 : offSignals > 0);
        QVERIFY(!g->members.at(deleted));
        QList<QWidget *> live;
        for (const QPointer<QWidget> &member : qAsConst(g->members)) {
            if (member) {
                live.append(member);
                const bool turnsOn = action != QLatin1String("leave exclusive") && action != QLatin1String("disable 0");
                QCOMPARE(g->isOn(member), turnsOn && member == g->members.at(1));
            }
        }
        QCOMPARE(g->list(), live);
    }

    // Widths below zero are no width: every item on a row of its own (found by the fuzzer: the lowest int
    // overflowed the layout rectangle).
    void flowLayoutHeightForNegativeWidths()
    {
        QWidget host;
        auto *layout = new FlowLayout(&host, 2, 4, 6);
        for (int i = 0; i < 3; ++i) {
            auto *label = new QLabel(QStringLiteral("Item"));
            label->setFixedSize(30, 10);
            layout->addWidget(label);
        }
        // Three rows of 10 with two gaps of 6, and the margins.
        for (const int width : {0, -1, intMin}) {
            QCOMPARE(layout->heightForWidth(width), 2 + 3 * 10 + 2 * 6 + 2);
        }
    }

    void flowLayoutSizeHintsOfHugeItems_data()
    {
        QTest::addColumn<int>("itemSize");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("expected");
        QTest::newRow("ordinary item") << 30 << 2 << 34;
        QTest::newRow("margins reach the largest int") << intMax - 4 << 2 << intMax;
        QTest::newRow("margins pass the largest int") << intMax - 3 << 2 << intMax;
        QTest::newRow("largest int") << intMax << 7 << intMax;
    }
    // The hints add twice the left and top margins to the largest item's; a spacer may be as large as an int goes,
    // and the sum stops there (found by the fuzzer: it overflowed).
    void flowLayoutSizeHintsOfHugeItems()
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

    void rangeDragKeepsWidthFarFromZero_data()
    {
        QTest::addColumn<qint64>("minimum");
        QTest::addColumn<qint64>("maximum");
        QTest::newRow("0 to 99") << qint64(0) << qint64(99);
        QTest::newRow("-1000 to 0") << qint64(-1000) << qint64(0);
        QTest::newRow("-2e9 to 1e8") << qint64(-2000000000) << qint64(100000000);
        QTest::newRow("timestamps in seconds") << qint64(1600000000) << qint64(2100000000);
        QTest::newRow("negative timestamps") << qint64(-2100000000) << qint64(-1600000000);
        // Qt's styles place the handles of sliders wider than the largest int at the start: those are left out.
        QTest::newRow("lowest ints") << qint64(intMin) << intMin + qint64(2000000000);
        QTest::newRow("highest ints") << intMax - qint64(2000000000) << qint64(intMax);
    }
    // Dragging the range between the handles: by zero pixels nothing changes; against either end the range
    // stops there with its width, whatever the bounds.
    void rangeDragKeepsWidthFarFromZero()
    {
        QFETCH(qint64, minimum);
        QFETCH(qint64, maximum);
        RangeSlider slider;
        slider.setRange(int(minimum), int(maximum));
        slider.resize(400, slider.sizeHint().height());
        QVERIFY(TestSupport::showExposed(slider));
        const qint64 span = maximum - minimum;
        const int low = int(minimum + span / 4);
        const int high = int(minimum + span / 2 + span / 8);
        slider.setSliderRange(low, high);

        const QPoint between((int(slider.width() * 0.25) + int(slider.width() * 0.625)) / 2, slider.height() / 2);
        QTest::mousePress(&slider, Qt::LeftButton, {}, between);
        QVERIFY(slider.isMinimumHandleDown() && slider.isMaximumHandleDown());
        // Right past the end, left past the start, and back to the press point: the range of the press.
        for (const int x : {between.x(), slider.width() + 100, -100, between.x()}) {
            const QPoint point(x, between.y());
            QMouseEvent move(QEvent::MouseMove, point, slider.mapToGlobal(point), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(&slider, &move);
            QCOMPARE(qint64(slider.getMaxHandleValue()) - slider.getMinHandleValue(), qint64(high) - low);
            if (x > slider.width()) {
                QCOMPARE(slider.getMaxHandleValue(), int(maximum));
            } else {
                QCOMPARE(slider.getMinHandleValue(), x < 0 ? int(minimum) : low);
            }
        }
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, between);
    }

    void rangeSliderTickMarksOverHugeRanges_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("tickInterval");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("interval"); // the interval the style is asked for; -1: any that fits the pixels
        QTest::addColumn<bool>("drawn");
        QTest::newRow("0 to 99 every 10") << 0 << 99 << 10 << Qt::Horizontal << 10 << true;
        QTest::newRow("a million every 7, vertical") << 0 << 1000000 << 7 << Qt::Vertical << -1 << true;
        QTest::newRow("two billion every 1") << -1000000000 << 1000000000 << 1 << Qt::Horizontal << -1 << true;
        QTest::newRow("two billion, no interval") << -1000000000 << 1000000000 << 0 << Qt::Horizontal << -1 << true;
        // A style's loop over the marks steps past the maximum, which the largest int cannot: no marks there.
        QTest::newRow("up to the largest int") << 0 << intMax << 1 << Qt::Horizontal << -1 << false;
    }
    // Tick marks over a range of billions: at most one mark per pixel, so that painting returns at once (a style
    // draws one line per interval, which was one per value).
    void rangeSliderTickMarksOverHugeRanges()
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
        QVERIFY(!slider.grab().isNull());
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QStringLiteral("painting took %1 ms").arg(timer.elapsed())));
        QCOMPARE(style.calls > 0, drawn);
        if (drawn) {
            QVERIFY2(style.marks <= style.pixels,
                     qPrintable(QStringLiteral("%1 marks on %2 pixels").arg(style.marks).arg(style.pixels)));
            QVERIFY(interval < 0 || style.interval == interval);
        }
    }

    // Two pointer moves queued over a handle: the first shows the handle's pop-up, and the offscreen platform
    // delivers the second while it makes the pop-up's window. Showing the pop-up again from there made a second
    // platform window for the same window, and the first was lost (found by valgrind).
    void rangeSliderPopupShownOnceWhileItsWindowIsMade()
    {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            QSKIP("Needs the offscreen platform, which delivers queued events while it makes a window");
        }
        RangeSlider slider;
        slider.setRange(0, 100);
        slider.setSliderRange(20, 80);
        slider.resize(300, slider.sizeHint().height());
        QVERIFY(TestSupport::showExposed(slider));

        struct SurfaceCounter : QObject
        {
            QHash<QObject *, int> made;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() == QEvent::PlatformSurface
                    && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
                        == QPlatformSurfaceEvent::SurfaceCreated) {
                    ++made[watched];
                }
                return false;
            }
        } counter;
        qApp->installEventFilter(&counter);
        const QPoint handle = slider.mapToGlobal(QPoint(int(slider.width() * 0.2), slider.height() / 2));
        QCursor::setPos(handle);
        QCursor::setPos(handle + QPoint(1, 0));
        QTRY_VERIFY(!counter.made.isEmpty());
        QTest::qWait(50);
        qApp->removeEventFilter(&counter);
        for (const int made : qAsConst(counter.made)) {
            QCOMPARE(made, 1);
        }
    }

    // The application deletes the pop-up's menu, and the button group in it: the pop-up answers as an empty group
    // and leaves the buttons it is given alone.
    void groupPopUpAfterItsMenuWasDeleted_data()
    {
        QTest::addColumn<QString>("call");
        for (const char *call : {"addButton", "removeButton", "setButtons", "setExclusive"}) {
            QTest::newRow(call) << QString::fromLatin1(call);
        }
    }
    void groupPopUpAfterItsMenuWasDeleted()
    {
        QFETCH(QString, call);
        ToolButtonGroupPopUp popUp;
        const QPointer<QAbstractButton> member(new QToolButton);
        popUp.addButton(member);
        const QPointer<ButtonGroupWidget> group = popUp.findChild<ButtonGroupWidget *>();
        QVERIFY(group);
        delete popUp.menu();
        QVERIFY(!group);
        QVERIFY(!member); // a member goes with its group

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
        QVERIFY(!outsider.parent() && !outsider.autoRaise());
    }

    // A component offered itself or one of its ancestors would make the widget tree a cycle that painting,
    // focus and deletion walk forever: the call is refused with a warning and nothing moves.
    void ownAncestorsAreRefused_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("offerWindow"); // else the component itself
        const std::pair<const char *, const char *> calls[]
            = {{"card contents", "CardWidgetBase::setContentsWidget"},
               {"card footer", "CardWidgetBase::setFooterWidget"},
               {"expander contents", "CardWidgetBase::setContentsWidget"},
               {"header right widget", "CardWidgetBaseHeader::setHeaderRightWidget"},
               {"header bottom widget", "CardWidgetBaseHeader::setHeaderBottomWidget"},
               {"cascading preview", "CascadingListView::setPreviewWidget"},
               {"pop-up menu widget", "ToolButtonPopUpBase::setMenuWidget"},
               {"flow layout widget", "FlowLayout::addWidget"},
               {"button group member", "ButtonGroupWidget::addButton"}};
        for (const auto &[call, warning] : calls) {
            QTest::addRow("%s: the window", call) << QString::fromLatin1(call) << QString::fromLatin1(warning) << true;
            if (qstrcmp(call, "button group member") != 0) // a group is no button
                QTest::addRow("%s: itself", call) << QString::fromLatin1(call) << QString::fromLatin1(warning) << false;
        }
    }
    void ownAncestorsAreRefused()
    {
        QFETCH(QString, call);
        QFETCH(QString, warning);
        QFETCH(bool, offerWindow);
        QPushButton window; // a button, so that a button group can be offered it
        QWidget *component = nullptr;
        std::function<void(QWidget *)> offer;
        if (call == QLatin1String("card contents") || call == QLatin1String("card footer")
            || call.startsWith(QLatin1String("header"))) {
            auto *card = new CardWidget(QStringLiteral("Card"), &window);
            component = card;
            offer = [card, call](QWidget *w) {
                if (call == QLatin1String("card contents"))
                    card->setContentsWidget(w);
                else if (call == QLatin1String("card footer"))
                    card->setFooterWidget(w);
                else if (call.contains(QLatin1String("right")))
                    card->setHeaderRightWidget(w);
                else
                    card->setHeaderBottomWidget(w);
            };
        } else if (call == QLatin1String("expander contents")) {
            auto *expander = new ExpanderWidget(&window);
            component = expander;
            offer = [expander](QWidget *w) { expander->setContentsWidget(w); };
        } else if (call == QLatin1String("cascading preview")) {
            auto *view = new CascadingListView(nullptr, &window);
            component = view;
            offer = [view](QWidget *w) { view->setPreviewWidget(w); };
        } else if (call == QLatin1String("pop-up menu widget")) {
            auto *button = new ToolButtonPopUp(&window);
            component = button;
            offer = [button](QWidget *w) { button->setMenuWidget(w); };
        } else if (call == QLatin1String("flow layout widget")) {
            component = new QWidget(&window);
            auto *layout = new FlowLayout(component);
            offer = [layout](QWidget *w) { layout->addWidget(w); };
        } else {
            auto *group = new ButtonGroupWidget(&window);
            component = group;
            offer = [group](QWidget *w) { group->addButton(qobject_cast<QAbstractButton *>(w)); };
        }
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("Nalu::Components::%1: the widget is the component "
                                                       "or one of its ancestors; ignored")
                                            .arg(warning)));
        offer(offerWindow ? &window : component);
        QCOMPARE(window.parentWidget(), nullptr);
        QCOMPARE(component->parentWidget(), &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.grab().isNull());
    }

    // Bad values the document leaves open: a null widget or item for the flow layout, a scroll bar thickness of
    // millions of pixels (layouts overflowed and the window's painting crashed or never returned).
    void outOfRangeArgumentsAreWarnedAndHarmless()
    {
        QWidget window;
        auto *layout = new FlowLayout(&window);
        QTest::ignoreMessage(QtWarningMsg, "Nalu::Components::FlowLayout::addWidget: null widget; ignored");
        layout->addWidget(nullptr);
        QTest::ignoreMessage(QtWarningMsg, "Nalu::Components::FlowLayout::addItem: null item; ignored");
        layout->addItem(nullptr);
        QCOMPARE(layout->count(), 0);
        auto *bar = new MinimizedScrollBarVertical(&window);
        layout->addWidget(bar);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("setAnimatedSize: 2147483647 is outside")));
        bar->setAnimatedSize(std::numeric_limits<int>::max());
        QCOMPARE(bar->getAnimatedSize(), std::numeric_limits<int>::max()); // stored as given
        QVERIFY(bar->sizeHint().width() <= qMax(QScrollBar().sizeHint().width(), bar->width()));
        window.resize(10, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.grab().isNull());
    }

    // A model made a child of the component dies in QWidget's destructor, after the component's own state;
    // its destroyed() once reached that state (seen under AddressSanitizer).
    void modelsOwnedByTheComponentDieQuietly()
    {
        auto *connector = new UserConnector(nullptr, nullptr);
        auto *users = new Nalu::Models::UserConnectorModel(connector);
        users->setCurrentUser(new Nalu::Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), users));
        connector->setModel(users);
        auto *slider = new ColormapRangeSlider(nullptr);
        slider->setColormapModel(new Nalu::Models::ColormapModel(slider));
        QCOMPARE(connector->text(), QStringLiteral("Ada Lovelace")); // the model is in use
        delete connector;
        delete slider;
    }
};

QTEST_MAIN(tst_Reliability)
#include "tst_reliability.moc"
