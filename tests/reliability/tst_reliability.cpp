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

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <limits>
#include <memory>
#include <tuple>

using namespace Nalu::Components;

#if defined(__SANITIZE_ADDRESS__)
// Qt's own code is not instrumented: its reads of freed memory go unnoticed while the memory still holds what it
// held. Freed memory filled with garbage makes such reads crash instead.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options()
{
    return "max_free_fill_size=1048576:free_fill_byte=190";
}
#endif

// Makes a component in the window and offers it the window (true) or the component itself (false).
using Offer = std::function<QWidget *(QWidget *, bool)>;
Q_DECLARE_METATYPE(Offer)

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

// A tree that never ends: every item has three children, down to any depth. An index's internal id is its depth.
struct EndlessModel : QAbstractItemModel
{
    QModelIndex index(int row, int column, const QModelIndex &parent) const override
    {
        const quintptr depth = parent.isValid() ? parent.internalId() + 1 : 0;
        return row >= 0 && row < 3 && column == 0 ? createIndex(row, column, depth) : QModelIndex();
    }
    QModelIndex parent(const QModelIndex &child) const override
    {
        // Every parent is row 0 of its level: enough for the views, which only ever walk down.
        return child.isValid() && child.internalId() > 0 ? createIndex(0, 0, quintptr(child.internalId() - 1))
                                                         : QModelIndex();
    }
    int rowCount(const QModelIndex &parent) const override { return parent.column() > 0 ? 0 : 3; }
    int columnCount(const QModelIndex &) const override { return 1; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(index.row()) : QVariant();
    }
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

// The view shows `model` from its top level in `count` panels, one per level and no other, and browses down them.
void verifyChain(const CascadingListView &view, const QAbstractItemModel *model, int count)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<CascadingListViewPanel *> panels = chain(view);
    QCOMPARE(view.getNumberOfPanels(), count);
    QCOMPARE(panels.count(), count);
    QCOMPARE(view.findChildren<CascadingListViewPanel *>().count(), count);
    QCOMPARE(panels.first()->model(), model);
    QVERIFY(!panels.first()->rootIndex().isValid());
    QModelIndex index = model->index(0, 0);
    for (int level = 1; level < count; ++level, index = model->index(0, 0, index)) {
        panels.at(level - 1)->setCurrentIndex(index);
        QCOMPARE(panels.at(level)->model(), model);
        QCOMPARE(panels.at(level)->rootIndex(), index);
    }
}

// Records the tick marks a slider asks its style for, and draws them only when there are no more than pixels:
// a style draws one line per mark, and billions of lines would not end.
struct TickCountingStyle : QProxyStyle
{
    TickCountingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    mutable int interval = 0, pixels = 0;
    mutable qint64 marks = 0; // 0: never asked

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
        if (control == CC_Slider && slider && slider->subControls.testFlag(SC_SliderTickmarks)) {
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

const char *onProperty(const QWidget *member)
{
    return qobject_cast<const ExpanderWidget *>(member) ? "expanded" : "checked";
}

// The property that lets the user turn a member on at all.
const char *ableProperty(const QWidget *member)
{
    return qobject_cast<const ExpanderWidget *>(member) ? "expandable" : "checkable";
}

// An exclusive card, expander or button group of members in `window`, member i on as on[i] says; `toggled` hears
// the group's signal for each member turned on or off.
struct GroupScene
{
    QWidget window;
    std::unique_ptr<QObject> group;
    QList<QPointer<QWidget>> members;
    std::function<QList<QWidget *>()> list;
    std::function<void(QWidget *, bool)> toggled;

    GroupScene(const QString &kind, const QList<bool> &on)
    {
        if (kind.startsWith(QLatin1String("card"))) {
            fill<CardWidget>(new CardWidgetGroup, on, &CardWidgetGroup::addCardWidget, &CardWidgetGroup::getCardWidgets,
                             &CardWidgetGroup::cardWidgetChecked);
        } else if (kind.startsWith(QLatin1String("expander"))) {
            fill<ExpanderWidget>(new ExpanderWidgetGroup, on, &ExpanderWidgetGroup::addExpanderWidget,
                                 &ExpanderWidgetGroup::getExpanderWidgets, &ExpanderWidgetGroup::expanderWidgetToggled);
        } else {
            auto *buttons = new ButtonGroupWidget(&window);
            buttons->setWorkflow(kind.startsWith(QLatin1String("workflow")));
            fill<QPushButton>(buttons, on, &ButtonGroupWidget::addButton, &ButtonGroupWidget::getButtons,
                              &ButtonGroupWidget::buttonToggled);
        }
    }
    template<typename M, typename G, typename Base>
    void fill(G *g, const QList<bool> &on, void (G::*add)(Base *), QList<Base *> (G::*get)() const,
              void (G::*signal)(Base *, bool))
    {
        // Card and expander groups start with several members on when these join before the group is exclusive;
        // a button group knows of the checked button only when it is checked in the exclusive group.
        constexpr bool buttons = std::is_base_of_v<QAbstractButton, M>;
        group.reset(g);
        g->setExclusive(false);
        for (const bool state : on) {
            auto *member = new M(QStringLiteral("Member"), &window);
            member->setProperty(ableProperty(member), true);
            member->setProperty(onProperty(member), state && !buttons);
            (g->*add)(member);
            members.append(member);
        }
        g->setExclusive(true);
        for (int i = 0; buttons && i < on.size(); ++i) {
            members.at(i)->setProperty("checked", on.at(i));
        }
        QObject::connect(g, signal, [this](QWidget *member, bool state) { toggled(member, state); });
        list = [g, get] {
            const QList<Base *> all = (g->*get)();
            return QList<QWidget *>(all.cbegin(), all.cend());
        };
    }
    // Turns member 1 on, member 0 off for good, leaves exclusive mode, or adds one or two checked buttons.
    void act(const QString &action)
    {
        auto *buttons = qobject_cast<ButtonGroupWidget *>(group.get());
        if (action == QLatin1String("turn 1 on")) {
            members.at(1)->setProperty(onProperty(members.at(1)), true);
        } else if (action == QLatin1String("disable 0")) {
            members.at(0)->setProperty(ableProperty(members.at(0)), false);
        } else if (action == QLatin1String("leave exclusive")) {
            buttons->setExclusive(false);
        } else {
            QList<QAbstractButton *> added;
            for (int i = 0; i < (action == QLatin1String("setButtons") ? 2 : 1); ++i) {
                added.append(new QPushButton(QStringLiteral("Added")));
                added.last()->setCheckable(true);
                added.last()->setChecked(true);
                members.append(added.last());
            }
            action == QLatin1String("setButtons") ? buttons->setButtons(added) : buttons->addButton(added.first());
        }
    }
};

template<typename C, typename Base>
Offer offering(void (Base::*setter)(QWidget *))
{
    return [setter](QWidget *window, bool offerWindow) -> QWidget * {
        auto *component = new C(window);
        (component->*setter)(offerWindow ? window : component);
        return component;
    };
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
    return className == QLatin1String("ColorButton") ? static_cast<QWidget *>(new ColorButton) : new RangeSlider;
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
                    QTest::addRow("%s, %s", trigger, rebuild) << trigger << rebuild;
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
        } else if (trigger == QLatin1String("Right key")) { // from B in level 1 to its first child C in level 2
            second->setFocus();
            QTest::keyClick(second, Qt::Key_Right);
        } else {
            QTest::mouseClick(first->viewport(), Qt::LeftButton, {}, first->visualRect(first->currentIndex()).center());
        }
        QVERIFY(rebuilds > 0);
        // Panels taken out while still running wait for the event loop to be deleted, but are out of the chain now.
        QCOMPARE(chain(*view).count(), view->getNumberOfPanels());
        verifyChain(*view, expected, Nalu::Helpers::getModelMaxDepth(expected)); // the model it was given last
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
        EndlessModel endless;
        QStandardItemModel finite;
        QStandardItem *item = finite.invisibleRootItem();
        for (int level = 0; level < chainDepth; ++level, item = item->child(0)) {
            item->appendRow(new QStandardItem(QString::number(level)));
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
        verifyChain(*view, model, panels);

        // Back to the default: the levels cut off come back.
        view->setMaximumNumberOfPanels(CascadingListView::DefaultMaximumNumberOfPanels);
        QCOMPARE(view->getNumberOfPanels(),
                 qMin(chainDepth == 0 ? intMax : chainDepth, int(CascadingListView::DefaultMaximumNumberOfPanels)));
    }

    void settersIgnoreValuesOutOfRange_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<int>("before"); // set first, other than the default
        QTest::addColumn<int>("value");
        const auto rows = [](const char *setter, const char *property, int before, std::initializer_list<int> values) {
            for (const int value : values) {
                QTest::addRow("%s(%d)", setter, value) << setter << QByteArray(property) << before << value;
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
        else if (auto *colors = qobject_cast<ColorButton *>(widget.get()))
            colors->setColorDialogMode(ColorButton::ColorDialogMode(value));
        else if (auto *slider = qobject_cast<RangeSlider *>(widget.get()))
            slider->setPopupPosition(RangeSlider::PopupsPosition(value));
        else if (property == "previewPolicy")
            static_cast<CascadingListView *>(widget.get())->setPreviewPolicy(CascadingListView::PreviewPolicy(value));
        else
            QVERIFY(meta.write(widget.get(), value));
        QCOMPARE(meta.read(widget.get()).toInt(), before);
        QCOMPARE(widget->property("numberOfPanels").toInt(), panels);
        QVERIFY(!notified || notified->isEmpty());
        QVERIFY(!button || (menu && button->menu() == menu)); // the pop-up mode's menu stays
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
        const auto row = [](const char *name, const char *group, const char *action, QList<bool> on, int deleted) {
            QTest::newRow(name) << group << action << on << deleted;
        };
        row("button group, member ahead", "button group", "leave exclusive", {true, false, false}, 2);
        // A checked button joins and unchecks the checked member; the receiver deletes the button being added, or
        // the next one in the list (found by the fuzzer: the group went on with the deleted button).
        row("addButton", "button group", "addButton", {true}, 1);
        row("addButton, workflow", "workflow button group", "addButton", {true}, 1);
        row("setButtons, a later button", "button group", "setButtons", {true}, 2);
        // A setter that turns its member off before it finishes stops when the receiver deletes the member.
        row("card, setCheckable(false)", "card group", "disable 0", {true}, 0);
        row("expander, setExpandable(false)", "expander group", "disable 0", {true}, 0);
    }
    void groupsSurviveMembersDeletedByTheirReceivers()
    {
        QFETCH(QString, group);
        QFETCH(QString, action);
        QFETCH(QList<bool>, on);
        QFETCH(int, deleted);
        GroupScene scene(group, on);
        int offSignals = 0;
        scene.toggled = [&](QWidget *member, bool state) {
            QCOMPARE(member->window(), &scene.window); // receivers use the member they are given: it must be alive
            if (!state && offSignals++ == 0) {
                delete scene.members.at(deleted).data();
            }
        };
        scene.act(action);

        QVERIFY(action == QLatin1String("disable 0") ? offSignals == 1 : offSignals > 0);
        QVERIFY(!scene.members.at(deleted));
        QList<QWidget *> live;
        const bool turnsOn = action != QLatin1String("leave exclusive") && action != QLatin1String("disable 0");
        for (QWidget *member : qAsConst(scene.members)) {
            if (member) {
                live.append(member);
                QCOMPARE(member->property(onProperty(member)).toBool(), turnsOn && member == scene.members.at(1));
            }
        }
        QCOMPARE(scene.list(), live);
    }

    // Widths below zero are no width: every item on a row of its own (the lowest int overflowed the layout
    // rectangle). The size hints add twice the left and top margins to the largest item's, and stop at the largest
    // int, which a spacer may ask for (the sum overflowed).
    void flowLayoutArithmeticStaysInTheIntRange()
    {
        QWidget host;
        auto *layout = new FlowLayout(&host, 2, 4, 6);
        for (int i = 0; i < 3; ++i) {
            layout->addWidget(new QWidget);
            layout->itemAt(i)->widget()->setFixedSize(30, 10);
        }
        for (const int width : {0, -1, intMin}) {
            QCOMPARE(layout->heightForWidth(width), 2 + 3 * 10 + 2 * 6 + 2); // three rows, two gaps, the margins
        }
        const std::tuple<int, int, int> hints[]
            = {{30, 2, 34}, {intMax - 4, 2, intMax}, {intMax - 3, 2, intMax}, {intMax, 7, intMax}};
        for (const auto &[item, margin, hint] : hints) {
            FlowLayout huge(margin, 3, 3);
            huge.addItem(new QSpacerItem(item, item, QSizePolicy::Fixed, QSizePolicy::Fixed));
            huge.addItem(new QSpacerItem(10, 10, QSizePolicy::Fixed, QSizePolicy::Fixed));
            QCOMPARE(huge.sizeHint(), QSize(hint, hint));
            QCOMPARE(huge.minimumSize(), QSize(hint, hint));
        }
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
        QCOMPARE(style.marks > 0, drawn);
        QVERIFY2(!drawn || style.marks <= style.pixels, qPrintable(QStringLiteral("%1 marks").arg(style.marks)));
        QVERIFY(!drawn || interval < 0 || style.interval == interval);
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
            QTest::newRow(call) << call;
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
        QVERIFY(!group && !member); // a member goes with its group

        QToolButton outsider;
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("Nalu::Components::ToolButtonGroupPopUp::%1: the button group "
                                                       "was deleted with its menu, nothing changes")
                                            .arg(call)));
        if (call == QLatin1String("addButton"))
            popUp.addButton(&outsider);
        else if (call == QLatin1String("removeButton"))
            popUp.removeButton(&outsider);
        else if (call == QLatin1String("setButtons"))
            popUp.setButtons({&outsider});
        else
            popUp.setExclusive(true);
        QVERIFY(popUp.getButtons().isEmpty());
        QVERIFY(!popUp.getButton(0) && !popUp.getCheckedButton() && !popUp.isExclusive());
        QVERIFY(!outsider.parent() && !outsider.autoRaise());
    }

    // A component offered itself or one of its ancestors would make the widget tree a cycle that painting,
    // focus and deletion walk forever: the call is refused with a warning and nothing moves.
    void ownAncestorsAreRefused_data()
    {
        QTest::addColumn<QString>("warning");
        QTest::addColumn<Offer>("offer");
        QTest::addColumn<bool>("offerWindow"); // else the component itself
        const auto rows = [](const char *call, const char *warning, const Offer &offer, bool itself = true) {
            QTest::addRow("%s: the window", call) << warning << offer << true;
            if (itself) {
                QTest::addRow("%s: itself", call) << warning << offer << false;
            }
        };
        rows("card contents", "CardWidgetBase::setContentsWidget",
             offering<CardWidget>(&CardWidget::setContentsWidget));
        rows("card footer", "CardWidgetBase::setFooterWidget", offering<CardWidget>(&CardWidget::setFooterWidget));
        rows("expander contents", "CardWidgetBase::setContentsWidget",
             offering<ExpanderWidget>(&ExpanderWidget::setContentsWidget));
        rows("header right widget", "CardWidgetBaseHeader::setHeaderRightWidget",
             offering<CardWidget>(&CardWidget::setHeaderRightWidget));
        rows("header bottom widget", "CardWidgetBaseHeader::setHeaderBottomWidget",
             offering<CardWidget>(&CardWidget::setHeaderBottomWidget));
        rows("cascading preview", "CascadingListView::setPreviewWidget",
             offering<CascadingListView>(&CascadingListView::setPreviewWidget));
        rows("pop-up menu widget", "ToolButtonPopUpBase::setMenuWidget",
             offering<ToolButtonPopUp>(&ToolButtonPopUp::setMenuWidget));
        rows("flow layout widget", "FlowLayout::addWidget", [](QWidget *window, bool offerWindow) {
            auto *host = new QWidget(window);
            (new FlowLayout(host))->addWidget(offerWindow ? window : host);
            return host;
        });
        rows(
            "button group member", "ButtonGroupWidget::addButton",
            [](QWidget *window, bool) {
                auto *group = new ButtonGroupWidget(window);
                group->addButton(qobject_cast<QAbstractButton *>(window));
                return group;
            },
            false); // a group is no button
    }
    void ownAncestorsAreRefused()
    {
        QFETCH(QString, warning);
        QFETCH(Offer, offer);
        QFETCH(bool, offerWindow);
        QPushButton window; // a button, so that a button group can be offered it
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("Nalu::Components::%1: the widget is the component or one of "
                                                       "its ancestors; ignored")
                                            .arg(warning)));
        QWidget *component = offer(&window, offerWindow);
        QCOMPARE(window.parentWidget(), nullptr);
        QCOMPARE(component->parentWidget(), &window);
        QVERIFY(TestSupport::showExposed(window));
        QVERIFY(!window.grab().isNull());
    }

    // A null widget or item for the flow layout, a scroll bar thickness of millions of pixels (layouts overflowed
    // and the window's painting crashed or never returned).
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
        bar->setAnimatedSize(intMax);
        QCOMPARE(bar->getAnimatedSize(), intMax); // stored as given
        QVERIFY(bar->sizeHint().width() <= qMax(QScrollBar().sizeHint().width(), bar->width()));
        window.resize(10, 10);
        QVERIFY(TestSupport::showExposed(window));
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
