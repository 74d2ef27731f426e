// SPDX-License-Identifier: MIT

// What the components tell assistive technologies, read through the public accessibility API: the
// interface each component gets (role, name, description, value, state, children, actions) and the
// events that keep a screen reader up to date.

#include "AccessibleEventRecorder.h"
#include "TestSupport.h"

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/ErrorCheckBox.h>
#include <ComponentsLibrary/ErrorComboBox.h>
#include <ComponentsLibrary/ErrorLineEdit.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/MinimizedScrollBarVertical.h>
#include <ComponentsLibrary/PillLabel.h>
#include <ComponentsLibrary/PushButtonBlink.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/RoundedPixmap.h>
#include <ComponentsLibrary/SwitchCheckBox.h>
#include <ComponentsLibrary/TabWidgetStretched.h>
#include <ComponentsLibrary/UserConnector.h>

#include <vantor_common_models/User.h>
#include <vantor_common_models/UserConnectorModel.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

Q_IMPORT_PLUGIN(AccessibleEventRecorderPlugin)

namespace Components = Nalu::Components;
namespace Models = Nalu::Models;

namespace {

// Changes something in the window.
using Act = std::function<void(QWidget *window)>;

template<typename T = QWidget>
T *named(const QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget) {
        qFatal("no widget named %s", name);
    }
    return widget;
}

template<typename T>
T *withName(T *object, const QByteArray &name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

template<typename T>
T *place(QWidget *window, T *widget, const char *name)
{
    window->layout()->addWidget(withName(widget, name));
    return widget;
}

QStringList split(const char *list)
{
    return QString::fromUtf8(list).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString statesOf(QAccessibleInterface *iface)
{
    return accessibleStates(iface->state());
}

// The components the rows look at, by name, placed into the window; their parts get object names
// ("header", "step1", "panel1", "colormaps", "users", "model", "contents") for the rows to find them.
QWidget *build(QWidget *w, const QByteArray &scene)
{
    if (scene == "expander") {
        auto *expander = place(w, new Components::ExpanderWidget(QStringLiteral("General"), w), "expander");
        withName(expander->findChild<Components::CardWidgetBaseHeader *>(), "header");
        expander->setContentsWidget(new QLineEdit);
        return expander;
    }
    if (scene.startsWith("card")) {
        auto *card
            = place(w, new Components::CardWidget(QStringLiteral("Viewer"), QStringLiteral("Open images"), w), "card");
        withName(card->findChild<Components::CardWidgetBaseHeader *>(), "header");
        card->setContentsWidget(withName(new QLabel(QStringLiteral("Version 2")), "contents"));
        card->setCheckable(scene != "card, plain");
        if (scene.endsWith("side widget")) {
            card->setHeaderRightWidget(withName(new QLabel(QStringLiteral("New")), "side"));
        }
        return card;
    }
    if (scene.startsWith("slider")) {
        auto *slider = place(w, new Components::RangeSlider, "slider");
        slider->setKeyboardHandles(scene.endsWith("keyboard"));
        slider->setSliderRange(20, scene.endsWith("narrow") ? 21 : 80);
        return slider;
    }
    if (scene == "colormap slider") {
        auto *model = withName(new Models::ColormapModel(w), "colormaps");
        model->setCurrentColormap(Models::Colormaps::viridisLike());
        auto *slider = place(w, new Components::ColormapRangeSlider, "slider");
        slider->setColormapModel(model);
        return slider;
    }
    if (scene.startsWith("workflow")) {
        auto *group = place(w, new Components::ButtonGroupWidget, "group");
        group->setExclusive(true);
        group->setWorkflow(true);
        for (int i = 1; i <= 4; ++i) {
            group->addButton(
                withName(new QPushButton(QStringLiteral("Step %1").arg(i)), "step" + QByteArray::number(i)));
        }
        group->getButton(1)->setChecked(true);
        group->setWorkflow(scene != "workflow, plain");
        return group;
    }
    if (scene.startsWith("colour ")) {
        // "colour red", "colour #80ff0000" (with a tool tip), "colour transparent" (in a menu).
        auto *button = place(w, new Components::ColorButton(QColor(QString::fromLatin1(scene.mid(7)))), "colour");
        button->setToolTip(scene.endsWith("80ff0000") ? QStringLiteral("Fill") : QString());
        button->setColorDialogMode(scene.endsWith("transparent") ? Components::ColorButton::Popup
                                                                 : Components::ColorButton::Dialog);
        return button;
    }
    if (scene == "pill") {
        auto *pill = place(w, new Components::PillLabel, "pill");
        pill->setText(QStringLiteral("Open"));
        return pill;
    }
    if (scene == "picture") {
        return place(w, new Components::RoundedPixmap, "picture");
    }
    if (scene == "switch") {
        auto *box = place(w, new Components::SwitchCheckBox(QStringLiteral("Dark theme"), w), "switch");
        box->setChecked(true);
        return box;
    }
    if (scene == "line edit") {
        auto *edit = place(w, new Components::ErrorLineEdit, "edit");
        edit->setToolTip(QStringLiteral("The name you sign in with"));
        return edit;
    }
    if (scene == "combo box") {
        auto *combo = place(w, new Components::ErrorComboBox, "combo");
        combo->addItem(QStringLiteral("France"));
        combo->setErrorState(true);
        return combo;
    }
    if (scene == "check box") {
        auto *box = place(w, new Components::ErrorCheckBox(QStringLiteral("Terms"), w), "check");
        box->setErrorState(true);
        box->setErrorState(false);
        return box;
    }
    if (scene == "blink") {
        return place(w, new Components::PushButtonBlink(QStringLiteral("Confirm"), w), "blink");
    }
    if (scene.startsWith("user")) {
        auto *model = withName(new Models::UserConnectorModel(w), "users");
        if (scene.endsWith("in")) {
            model->setCurrentUser(new Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
        }
        return place(w, new Components::UserConnector(model, w), "user");
    }
    if (scene == "cascade") {
        auto *model = withName(new QStandardItemModel(w), "model");
        TestSupport::addPaths(*model, QStringLiteral("a/b/c d/e/f"));
        auto *view = place(w, new Components::CascadingListView(model, w), "view");
        view->setPanelTitle(0, QStringLiteral("Department"));
        const auto panels = view->findChildren<Components::CascadingListViewPanel *>();
        for (auto *panel : panels) {
            int level = 0;
            for (auto *parent = panel->getParentPanel(); parent; parent = parent->getParentPanel()) {
                ++level;
            }
            withName(panel, "panel" + QByteArray::number(level));
        }
        return view;
    }
    if (scene == "scroll bar") {
        auto *bar = place(w, new Components::MinimizedScrollBarVertical, "bar");
        bar->setRange(0, 10);
        bar->setValue(4);
        return bar;
    }
    if (scene == "tabs") {
        auto *tabs = place(w, new Components::TabWidgetStretched, "tabs");
        tabs->addTab(new QWidget, QStringLiteral("Recent"));
        tabs->addTab(new QWidget, QStringLiteral("Shared"));
        return tabs->tabBar();
    }
    qFatal("no scene %s", scene.constData());
}

// Reads everything an assistive technology could ask of an interface and its descendants; 0 when a
// child does not know its own index.
int readTree(QAccessibleInterface *iface, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 12) {
        return 0;
    }
    for (const auto t : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help}) {
        iface->text(t);
    }
    iface->role();
    iface->state();
    iface->rect();
    iface->focusChild();
    iface->parent();
    if (QAccessibleValueInterface *value = iface->valueInterface()) {
        value->currentValue();
        value->minimumValue();
        value->maximumValue();
    }
    if (QAccessibleActionInterface *actions = iface->actionInterface()) {
        actions->actionNames();
    }
    int read = 1;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (child && iface->indexOfChild(child) != i) {
            return 0;
        }
        read += readTree(child, depth + 1);
    }
    return read;
}

} // namespace

Q_DECLARE_METATYPE(Act)

class tst_Accessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void interfaces_data();
    void interfaces();
    void events_data();
    void events();
    void actions_data();
    void actions();
    void blinkingIsNoNews();
    void applicationTextsStay();
    void deletedPartsAnswerSafely_data();
    void deletedPartsAnswerSafely();

private:
    QWidget *show(const QByteArray &scene);

    QWidget *m_window = nullptr;
};

void tst_Accessibility::init()
{
    m_window = new QWidget;
    new QVBoxLayout(m_window);
    m_window->resize(400, 600);
    // The focus goes here when the window opens, so that no component under test has it.
    place(m_window, new QLineEdit, "sink");
}

void tst_Accessibility::cleanup()
{
    delete m_window;
    m_window = nullptr;
    AccessibleEventRecorder::events().clear();
}

QWidget *tst_Accessibility::show(const QByteArray &scene)
{
    QWidget *widget = build(m_window, scene);
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window) ? widget : nullptr;
}

void tst_Accessibility::interfaces_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QByteArray>("part"); // an object name, or empty for the scene's widget
    QTest::addColumn<int>("child");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("value"); // "*": Qt's own, not checked
    QTest::addColumn<QString>("states"); // "*": Qt's own, which differ between Qt versions
    QTest::addColumn<int>("childCount"); // -1: not checked

    const auto row
        = [](const char *tag, const char *scene, const char *part, int child, QAccessible::Role role, const char *name,
             const char *description, const char *value, const char *states, int childCount) {
              QTest::newRow(tag) << QByteArray(scene) << QByteArray(part) << child << int(role)
                                 << QString::fromUtf8(name) << QString::fromUtf8(description)
                                 << QString::fromUtf8(value) << QString::fromUtf8(states) << childCount;
          };
    using A = QAccessible;
    row("expander", "expander", "", -1, A::Grouping, "General", "", "", "expandable,expanded", -1);
    row("expandable header", "expander", "header", -1, A::Button, "General", "", "", "focusable,expandable,expanded",
        -1);
    // The header's children: its two areas and the menu button; its title and subtitle are its own texts.
    row("card header", "card", "header", -1, A::Heading, "Viewer", "Open images", "", "", 3);
    row("checkable card", "card", "", -1, A::Grouping, "Viewer", "", "", "focusable,checkable", 3);
    row("card not checkable", "card, plain", "", -1, A::Grouping, "Viewer", "", "", "", -1);
    row("range slider", "slider", "", -1, A::Grouping, "Range", "", "", "focusable", 2);
    row("minimum handle", "slider", "", 0, A::Slider, "Minimum", "", "20", "", 0);
    row("maximum handle, keyboard", "slider, keyboard", "", 1, A::Slider, "Maximum", "", "80", "focusable", 0);
    row("colormap slider", "colormap slider", "", -1, A::Grouping, "Colormap range", "Colormap: Viridis", "",
        "focusable", 2);
    row("workflow", "workflow", "", -1, A::Grouping, "", "Workflow of 4 steps", "", "", 4);
    row("step current", "workflow", "step2", -1, A::CheckBox, "Step 2", "Step 2 of 4, current", "",
        "focusable,checkable,checked", 0);
    row("plain group member", "workflow, plain", "step2", -1, A::CheckBox, "Step 2", "", "",
        "focusable,checkable,checked", 0);
    row("colour", "colour red", "", -1, A::Button, "Colour", "red", "red", "focusable", 0);
    row("translucent colour, tool tip", "colour #80ff0000", "", -1, A::Button, "Colour", "Fill. red, 50% opaque",
        "red, 50% opaque", "focusable", 0);
    row("colour without a name", "colour #123456", "", -1, A::Button, "Colour", "#123456", "#123456", "focusable", 0);
    row("transparent colour in a menu", "colour transparent", "", -1, A::ButtonMenu, "Colour", "transparent",
        "transparent", "focusable,hasPopup", 0);
    row("pill label", "pill", "", -1, A::StaticText, "Open", "", "", "", 0);
    row("rounded pixmap", "picture", "", -1, A::Graphic, "", "", "", "", 0);
    row("switch", "switch", "", -1, A::CheckBox, "Dark theme", "On/off switch", "", "focusable,checkable,checked", 0);
    row("combo box in error", "combo box", "", -1, A::ComboBox, "France", "Error", "France", "*", -1);
    row("check box out of error", "check box", "", -1, A::CheckBox, "Terms", "", "", "focusable,checkable", 0);
    row("blinking button", "blink", "", -1, A::Button, "Confirm", "Needs attention", "", "focusable", 0);
    row("user signed out", "user, out", "", -1, A::Button, "Log In", "Log In", "", "focusable", 0);
    row("user signed in", "user, in", "", -1, A::ButtonMenu, "Ada Lovelace", "Signed in; opens a menu to log out", "",
        "focusable,hasPopup", -1);
    row("cascading view", "cascade", "", -1, A::Grouping, "", "3 levels", "", "", -1);
    row("titled panel", "cascade", "panel0", -1, A::List, "Department", "", "*", "*", -1);
    row("untitled panel", "cascade", "panel2", -1, A::List, "Level 3", "", "*", "*", -1);
    row("minimized scroll bar", "scroll bar", "", -1, A::ScrollBar, "", "", "4", "", -1);
    row("stretched tabs", "tabs", "", 1, A::PageTab, "Shared", "", "", "focusable", 0);
}

void tst_Accessibility::interfaces()
{
    QFETCH(QByteArray, scene);
    QFETCH(QByteArray, part);
    QFETCH(int, child);
    QFETCH(QString, value);
    QFETCH(QString, states);
    QFETCH(int, childCount);

    QWidget *widget = show(scene);
    QVERIFY(widget);
    QAccessibleInterface *iface
        = QAccessible::queryAccessibleInterface(part.isEmpty() ? widget : named(m_window, part.constData()));
    QVERIFY(iface && iface->isValid());
    if (child >= 0) {
        QAccessibleInterface *parent = iface;
        iface = parent->child(child);
        QVERIFY(iface && iface->isValid());
        QCOMPARE(iface->parent(), parent);
        QCOMPARE(parent->indexOfChild(iface), child);
    }
    QTEST(int(iface->role()), "role");
    QTEST(iface->text(QAccessible::Name), "name");
    QTEST(iface->text(QAccessible::Description), "description");
    QCOMPARE(value == QLatin1String("*") ? value : iface->text(QAccessible::Value), value);
    QCOMPARE(states == QLatin1String("*") ? states : statesOf(iface), states);
    QCOMPARE(childCount < 0 ? childCount : iface->childCount(), childCount);
    // Every child knows its parent and its index: the tree holds together.
    QVERIFY(readTree(iface) > 0);
}

void tst_Accessibility::events_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<Act>("act");
    QTest::addColumn<QString>("watched");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *tag, const char *scene, Act act, const char *watched, const char *expected) {
        QTest::newRow(tag) << QByteArray(scene) << act << QString::fromUtf8(watched) << QString::fromUtf8(expected);
    };
    const auto card = [](QWidget *w) { return named<Components::CardWidget>(w, "card"); };
    const auto slider = [](QWidget *w) { return named<Components::RangeSlider>(w, "slider"); };
    const auto edit = [](QWidget *w) { return named<Components::ErrorLineEdit>(w, "edit"); };

    row(
        "expander collapses", "expander",
        [](QWidget *w) { named<Components::ExpanderWidget>(w, "expander")->collapse(); }, "header,expander",
        "header state:expanded,collapsed\nexpander state:expanded,collapsed");
    row(
        "card checked", "card", [=](QWidget *w) { card(w)->setChecked(true); }, "card", "card state:checked");
    row(
        "card retitled", "card", [=](QWidget *w) { card(w)->setTitle(QStringLiteral("Analysis")); }, "card,header",
        "header name:Analysis\ncard name:Analysis");
    row(
        "subtitle", "card", [=](QWidget *w) { card(w)->setSubtitle(QStringLiteral("Now")); }, "card,header",
        "header description:Now");
    row(
        "range moved", "slider", [=](QWidget *w) { slider(w)->setSliderRange(10, 90); }, "slider",
        "slider value[0]:10\nslider value[1]:90");
    row(
        "bounds clamp the handles", "slider", [=](QWidget *w) { slider(w)->setRange(0, 50); }, "slider",
        "slider value[1]:50");
    row(
        "handles take the focus", "slider", [=](QWidget *w) { slider(w)->setKeyboardHandles(true); }, "slider",
        "slider state[0]:focusable\nslider state[1]:focusable");
    row(
        "colormap changed", "colormap slider",
        [](QWidget *w) {
            named<Models::ColormapModel>(w, "colormaps")->setCurrentColormap(Models::Colormaps::grayscale());
        },
        "slider", "slider description:Colormap: Grayscale");
    row(
        "colour changed", "colour red",
        [](QWidget *w) { named<Components::ColorButton>(w, "colour")->setColor(QColor(0, 0, 255, 64)); }, "colour",
        "colour value:blue, 25% opaque\ncolour description:blue, 25% opaque");
    row(
        "pill renamed", "pill",
        [](QWidget *w) { named<Components::PillLabel>(w, "pill")->setText(QStringLiteral("Closed")); }, "pill",
        "pill name:Closed");
    row(
        "error on and off", "line edit",
        [=](QWidget *w) {
            edit(w)->setErrorMessage(QStringLiteral("Too short")); // no error yet: nothing to say
            edit(w)->setErrorState(true);
            edit(w)->setErrorMessage(QStringLiteral("<b>Not</b> allowed"));
            edit(w)->setErrorState(false);
            edit(w)->setErrorMessage(QStringLiteral("Quiet while valid"));
        },
        "edit",
        "edit description:The name you sign in with. Error: Too short\n"
        "edit description:The name you sign in with. Error: Not allowed\n"
        "edit description:The name you sign in with");
    // The steps say where they are before Qt reports the new checked states.
    row(
        "workflow step checked", "workflow", [](QWidget *w) { named<QPushButton>(w, "step3")->setChecked(true); },
        "step1,step2,step3,step4",
        "step2 description:Step 2 of 4, done\nstep3 description:Step 3 of 4, current\n"
        "step2 state:checked\nstep3 state:checked");
    row(
        "workflow step hidden", "workflow", [](QWidget *w) { named(w, "step3")->hide(); }, "group,step3,step4",
        "step3 description:\nstep4 description:Step 3 of 3\ngroup description:Workflow of 3 steps");
    row(
        "blinking stopped", "blink",
        [](QWidget *w) { named<Components::PushButtonBlink>(w, "blink")->setBlinking(false); }, "blink",
        "blink description:");
    row(
        "user signs in", "user, out",
        [](QWidget *w) {
            auto *model = named<Models::UserConnectorModel>(w, "users");
            model->setCurrentUser(new Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
        },
        "user", "user name:Ada Lovelace\nuser description:Signed in; opens a menu to log out");
    row(
        "panel retitled", "cascade",
        [](QWidget *w) {
            named<Components::CascadingListView>(w, "view")->setPanelTitle(1, QStringLiteral("Category"));
            named<Components::CascadingListView>(w, "view")->setPanelTitle(1, QString());
        },
        "panel1", "panel1 name:Category\npanel1 name:Level 2");
}

void tst_Accessibility::events()
{
    QFETCH(QByteArray, scene);
    QFETCH(Act, act);
    QFETCH(QString, watched);

    QVERIFY(show(scene));
    AccessibleEventRecorder::events().clear();
    act(m_window);
    QTEST(AccessibleEventRecorder::eventsOf(watched.split(QLatin1Char(','))), "expected");
}

void tst_Accessibility::actions_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<int>("child");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("expected"); // the states, or for a handle its value

    using Actions = QAccessibleActionInterface;
    QTest::newRow("expander toggle") << QByteArray("expander") << -1 << Actions::toggleAction() << 1
                                     << QStringLiteral("expandable,collapsed");
    QTest::newRow("card toggle") << QByteArray("card") << -1 << Actions::toggleAction() << 1
                                 << QStringLiteral("focusable,checkable,checked");
    QTest::newRow("handle increase") << QByteArray("slider, narrow") << 0 << Actions::increaseAction() << 1
                                     << QStringLiteral("21");
    // The minimum handle stops at the maximum one, as under the mouse.
    QTest::newRow("handle increase, blocked")
        << QByteArray("slider, narrow") << 0 << Actions::increaseAction() << 2 << QStringLiteral("21");
    QTest::newRow("handle decrease") << QByteArray("slider, narrow") << 1 << Actions::decreaseAction() << 1
                                     << QStringLiteral("20");
}

void tst_Accessibility::actions()
{
    QFETCH(QByteArray, scene);
    QFETCH(int, child);
    QFETCH(QString, action);
    QFETCH(int, times);
    QFETCH(QString, expected);

    QWidget *widget = show(scene);
    QVERIFY(widget);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    iface = child >= 0 ? iface->child(child) : iface;
    QVERIFY(iface && iface->actionInterface());
    QVERIFY(iface->actionInterface()->actionNames().contains(action));
    for (int i = 0; i < times; ++i) {
        iface->actionInterface()->doAction(action);
    }
    auto *slider = qobject_cast<Components::RangeSlider *>(widget);
    QCOMPARE(slider ? iface->text(QAccessible::Value) : statesOf(iface), expected);
    if (slider) {
        QAccessibleValueInterface *handle = iface->valueInterface();
        QCOMPARE(handle->currentValue().toString(), expected);
        // A value set through the interface follows the same rules.
        handle->setCurrentValue(child == 0 ? 99 : -5);
        QVERIFY(slider->getMinHandleValue() <= slider->getMaxHandleValue());
        QCOMPARE(handle->currentValue(), child == 0 ? handle->maximumValue() : handle->minimumValue());
    }
    // The header of an expander presses as the expander toggles.
    if (scene == "expander") {
        QAccessibleInterface *header = QAccessible::queryAccessibleInterface(named(m_window, "header"));
        header->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(statesOf(header), QStringLiteral("focusable,expandable,expanded"));
    }
}

void tst_Accessibility::blinkingIsNoNews()
{
    auto *button = show("blink");
    QVERIFY(button);
    AccessibleEventRecorder::events().clear();
    QTest::qWait(1600); // three blink steps
    QVERIFY(button->property("blink_checked").isValid());
    QCOMPARE(AccessibleEventRecorder::eventsOf(split("blink")), QString());
}

void tst_Accessibility::applicationTextsStay()
{
    auto *edit = qobject_cast<Components::ErrorLineEdit *>(build(m_window, "line edit"));
    auto *other = place(m_window, new QLineEdit, "other");
    edit->setAccessibleDescription(QStringLiteral("Your login"));
    edit->setErrorMessage(QStringLiteral("Too short"));
    edit->setErrorState(true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(edit);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Your login. Error: Too short"));

    // The application changes its description while the error is shown: the error is added again before a
    // screen reader reads the field.
    other->setFocus();
    edit->setAccessibleDescription(QStringLiteral("The login name."));
    edit->setFocus();
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("The login name. Error: Too short"));
    edit->setErrorState(false);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("The login name."));

    // An application's own name stays where the library would name the widget.
    auto *view = qobject_cast<Components::CascadingListView *>(build(m_window, "cascade"));
    auto *panel = named(m_window, "panel1");
    panel->setAccessibleName(QStringLiteral("Shelves"));
    view->setPanelTitle(1, QStringLiteral("Category"));
    QCOMPARE(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name), QStringLiteral("Shelves"));
    QWidget *color = build(m_window, "colour red");
    color->setAccessibleName(QStringLiteral("Text colour"));
    QCOMPARE(QAccessible::queryAccessibleInterface(color)->text(QAccessible::Name), QStringLiteral("Text colour"));
}

void tst_Accessibility::deletedPartsAnswerSafely_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QStringList>("deleted"); // object names
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("childCount"); // -1: not checked

    QTest::newRow("colormap model") << QByteArray("colormap slider") << split("colormaps") << QString() << 2;
    QTest::newRow("cascading model") << QByteArray("cascade") << split("model") << QStringLiteral("3 levels") << -1;
    QTest::newRow("group members") << QByteArray("workflow") << split("step1,step4")
                                   << QStringLiteral("Workflow of 2 steps") << 2;
    QTest::newRow("user model") << QByteArray("user, in") << split("users") << QStringLiteral("Log In") << 0;
    QTest::newRow("card contents, side widget")
        << QByteArray("card, side widget") << split("contents,side") << QString() << 3;
    // The handles of a range slider go with it.
    QTest::newRow("range slider") << QByteArray("slider") << split("slider") << QString() << -1;
}

void tst_Accessibility::deletedPartsAnswerSafely()
{
    QFETCH(QByteArray, scene);
    QFETCH(QStringList, deleted);
    QFETCH(int, childCount);

    const QPointer<QWidget> widget = show(scene);
    QVERIFY(widget);
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(m_window);
    QVERIFY(readTree(root) > 1);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QList<QAccessible::Id> children;
    for (int i = 0; i < iface->childCount(); ++i) {
        children << QAccessible::uniqueId(iface->child(i));
    }
    for (const QString &name : deleted) {
        delete m_window->findChild<QObject *>(name);
    }
    QCoreApplication::processEvents();
    QVERIFY(readTree(root) > 1);
    for (const QAccessible::Id child : children) {
        QVERIFY(widget || !QAccessible::accessibleInterface(child));
    }
    if (!widget) {
        return;
    }
    QTEST(iface->text(QAccessible::Description), "description");
    QCOMPARE(childCount < 0 ? childCount : iface->childCount(), childCount);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
