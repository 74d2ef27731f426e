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
T *place(QWidget *window, T *widget, const QByteArray &name)
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

// Every component the rows look at, placed into the window by name; their parts are named too ("header",
// "step1", "panel1", "colormaps", "users", "model", "contents") for the rows to find them.
void buildAll(QWidget *w)
{
    // The focus goes here when the window opens, so that no component under test has it.
    place(w, new QLineEdit, "sink");
    auto *expander = place(w, new Components::ExpanderWidget(QStringLiteral("General"), w), "expander");
    withName(expander->findChild<Components::CardWidgetBaseHeader *>(), "header");
    expander->setContentsWidget(new QLineEdit);
    for (const QByteArray name : {"card", "plainCard"}) {
        auto *card
            = place(w, new Components::CardWidget(QStringLiteral("Viewer"), QStringLiteral("Open images"), w), name);
        withName(card->findChild<Components::CardWidgetBaseHeader *>(), name + "Header");
        card->setCheckable(name == "card");
        card->setContentsWidget(new QLabel(QStringLiteral("Version 2")));
    }
    auto *plainCard = named<Components::CardWidget>(w, "plainCard");
    withName(plainCard->getContentsWidget(), "contents");
    plainCard->setHeaderRightWidget(withName(new QLabel(QStringLiteral("New")), "side"));
    for (const QByteArray name : {"slider", "handles", "narrow"}) {
        auto *slider = place(w, new Components::RangeSlider, name);
        slider->setKeyboardHandles(name == "handles");
        slider->setSliderRange(20, name == "narrow" ? 21 : 80);
    }
    auto *colormaps = withName(new Models::ColormapModel(w), "colormaps");
    colormaps->setCurrentColormap(Models::Colormaps::viridisLike());
    place(w, new Components::ColormapRangeSlider, "colormap")->setColormapModel(colormaps);
    for (const QByteArray name : {"workflow", "group"}) {
        auto *group = place(w, new Components::ButtonGroupWidget, name);
        group->setExclusive(true);
        group->setWorkflow(true);
        for (int i = 1; i <= 4; ++i) {
            auto *step = new QPushButton(QStringLiteral("Step %1").arg(i));
            group->addButton(withName(step, (name == "group" ? "member" : "step") + QByteArray::number(i)));
        }
        group->getButton(1)->setChecked(true);
        group->setWorkflow(name == "workflow");
    }
    const char *const colours[][2]
        = {{"red", "red"}, {"fill", "#80ff0000"}, {"unnamed", "#123456"}, {"transparent", "transparent"}};
    for (const auto &colour : colours) {
        auto *button = place(w, new Components::ColorButton(QColor(QLatin1String(colour[1]))), colour[0]);
        button->setToolTip(button->objectName() == QLatin1String("fill") ? QStringLiteral("Fill") : QString());
        if (button->objectName() == QLatin1String("transparent")) {
            button->setColorDialogMode(Components::ColorButton::Popup);
        }
    }
    place(w, new Components::PillLabel, "pill")->setText(QStringLiteral("Open"));
    place(w, new Components::RoundedPixmap, "picture");
    place(w, new Components::SwitchCheckBox(QStringLiteral("Dark theme"), w), "switch")->setChecked(true);
    place(w, new Components::ErrorLineEdit, "edit")->setToolTip(QStringLiteral("The name you sign in with"));
    auto *combo = place(w, new Components::ErrorComboBox, "combo");
    combo->addItem(QStringLiteral("France"));
    combo->setErrorState(true);
    auto *check = place(w, new Components::ErrorCheckBox(QStringLiteral("Terms"), w), "check");
    check->setErrorState(true);
    check->setErrorState(false);
    place(w, new Components::PushButtonBlink(QStringLiteral("Confirm"), w), "blink");
    for (const QByteArray name : {"guest", "user"}) {
        auto *model = withName(new Models::UserConnectorModel(w), name + "s");
        if (name == "user") {
            model->setCurrentUser(new Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
        }
        place(w, new Components::UserConnector(model, w), name);
    }
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
    auto *bar = place(w, new Components::MinimizedScrollBarVertical, "bar");
    bar->setRange(0, 10);
    bar->setValue(4);
    auto *tabs = place(w, new Components::TabWidgetStretched, "tabs");
    tabs->addTab(new QWidget, QStringLiteral("Recent"));
    tabs->addTab(new QWidget, QStringLiteral("Shared"));
    withName(tabs->tabBar(), "tabBar");
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
    QWidget *m_window = nullptr;
};

void tst_Accessibility::init()
{
    m_window = new QWidget;
    new QVBoxLayout(m_window);
    buildAll(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    AccessibleEventRecorder::events().clear();
}

void tst_Accessibility::cleanup()
{
    delete m_window;
    m_window = nullptr;
    AccessibleEventRecorder::events().clear();
}

void tst_Accessibility::interfaces_data()
{
    QTest::addColumn<QByteArray>("part"); // an object name
    QTest::addColumn<int>("child");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("value"); // "*": Qt's own, not checked
    QTest::addColumn<QString>("states"); // "*": Qt's own, which differ between Qt versions
    QTest::addColumn<int>("childCount"); // -1: not checked

    const auto row = [](const char *tag, const char *part, int child, QAccessible::Role role, const char *name,
                        const char *description, const char *value, const char *states, int childCount) {
        QTest::newRow(tag) << QByteArray(part) << child << int(role) << QString::fromUtf8(name)
                           << QString::fromUtf8(description) << QString::fromUtf8(value) << QString::fromUtf8(states)
                           << childCount;
    };
    using A = QAccessible;
    row("expander", "expander", -1, A::Grouping, "General", "", "", "expandable,expanded", -1);
    row("expandable header", "header", -1, A::Button, "General", "", "", "focusable,expandable,expanded", -1);
    // The header's children: its two areas and the menu button; its title and subtitle are its own texts.
    row("card header", "cardHeader", -1, A::Heading, "Viewer", "Open images", "", "", 3);
    row("checkable card", "card", -1, A::Grouping, "Viewer", "", "", "focusable,checkable", 3);
    row("card not checkable", "plainCard", -1, A::Grouping, "Viewer", "", "", "", -1);
    row("range slider", "slider", -1, A::Grouping, "Range", "", "", "focusable", 2);
    row("minimum handle", "slider", 0, A::Slider, "Minimum", "", "20", "", 0);
    row("maximum handle, keyboard", "handles", 1, A::Slider, "Maximum", "", "80", "focusable", 0);
    row("colormap slider", "colormap", -1, A::Grouping, "Colormap range", "Colormap: Viridis", "", "focusable", 2);
    row("workflow", "workflow", -1, A::Grouping, "", "Workflow of 4 steps", "", "", 4);
    row("step current", "step2", -1, A::CheckBox, "Step 2", "Step 2 of 4, current", "", "focusable,checkable,checked",
        0);
    row("plain group member", "member2", -1, A::CheckBox, "Step 2", "", "", "focusable,checkable,checked", 0);
    row("colour", "red", -1, A::Button, "Colour", "red", "red", "focusable", 0);
    row("translucent colour, tool tip", "fill", -1, A::Button, "Colour", "Fill. red, 50% opaque", "red, 50% opaque",
        "focusable", 0);
    row("colour without a name", "unnamed", -1, A::Button, "Colour", "#123456", "#123456", "focusable", 0);
    row("transparent colour in a menu", "transparent", -1, A::ButtonMenu, "Colour", "transparent", "transparent",
        "focusable,hasPopup", 0);
    row("pill label", "pill", -1, A::StaticText, "Open", "", "", "", 0);
    row("rounded pixmap", "picture", -1, A::Graphic, "", "", "", "", 0);
    row("switch", "switch", -1, A::CheckBox, "Dark theme", "On/off switch", "", "focusable,checkable,checked", 0);
    row("combo box in error", "combo", -1, A::ComboBox, "France", "Error", "France", "*", -1);
    row("check box out of error", "check", -1, A::CheckBox, "Terms", "", "", "focusable,checkable", 0);
    row("blinking button", "blink", -1, A::Button, "Confirm", "Needs attention", "", "focusable", 0);
    row("user signed out", "guest", -1, A::Button, "Log In", "Log In", "", "focusable", 0);
    row("user signed in", "user", -1, A::ButtonMenu, "Ada Lovelace", "Signed in; opens a menu to log out", "",
        "focusable,hasPopup", -1);
    row("cascading view", "view", -1, A::Grouping, "", "3 levels", "", "", -1);
    row("titled panel", "panel0", -1, A::List, "Department", "", "*", "*", -1);
    row("untitled panel", "panel2", -1, A::List, "Level 3", "", "*", "*", -1);
    row("minimized scroll bar", "bar", -1, A::ScrollBar, "", "", "4", "", -1);
    row("stretched tabs", "tabBar", 1, A::PageTab, "Shared", "", "", "focusable", 0);
}

void tst_Accessibility::interfaces()
{
    QFETCH(QByteArray, part);
    QFETCH(int, child);
    QFETCH(QString, value);
    QFETCH(QString, states);
    QFETCH(int, childCount);

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(named(m_window, part.constData()));
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
    QTest::addColumn<Act>("act");
    QTest::addColumn<QString>("watched");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *tag, Act act, const char *watched, const char *expected) {
        QTest::newRow(tag) << act << QString::fromUtf8(watched) << QString::fromUtf8(expected);
    };
    const auto card = [](QWidget *w) { return named<Components::CardWidget>(w, "card"); };
    const auto slider = [](QWidget *w) { return named<Components::RangeSlider>(w, "slider"); };
    const auto edit = [](QWidget *w) { return named<Components::ErrorLineEdit>(w, "edit"); };

    row(
        "expander collapses", [](QWidget *w) { named<Components::ExpanderWidget>(w, "expander")->collapse(); },
        "header,expander", "header state:expanded,collapsed\nexpander state:expanded,collapsed");
    row(
        "card checked", [=](QWidget *w) { card(w)->setChecked(true); }, "card", "card state:checked");
    row(
        "card retitled", [=](QWidget *w) { card(w)->setTitle(QStringLiteral("Analysis")); }, "card,cardHeader",
        "cardHeader name:Analysis\ncard name:Analysis");
    row(
        "subtitle", [=](QWidget *w) { card(w)->setSubtitle(QStringLiteral("Now")); }, "card,cardHeader",
        "cardHeader description:Now");
    row(
        "range moved", [=](QWidget *w) { slider(w)->setSliderRange(10, 90); }, "slider",
        "slider value[0]:10\nslider value[1]:90");
    row(
        "bounds clamp the handles", [=](QWidget *w) { slider(w)->setRange(0, 50); }, "slider", "slider value[1]:50");
    row(
        "handles take the focus", [=](QWidget *w) { slider(w)->setKeyboardHandles(true); }, "slider",
        "slider state[0]:focusable\nslider state[1]:focusable");
    row(
        "colormap changed",
        [](QWidget *w) {
            named<Models::ColormapModel>(w, "colormaps")->setCurrentColormap(Models::Colormaps::grayscale());
        },
        "colormap", "colormap description:Colormap: Grayscale");
    row(
        "colour changed", [](QWidget *w) { named<Components::ColorButton>(w, "red")->setColor(QColor(0, 0, 255, 64)); },
        "red", "red value:blue, 25% opaque\nred description:blue, 25% opaque");
    row(
        "pill renamed", [](QWidget *w) { named<Components::PillLabel>(w, "pill")->setText(QStringLiteral("Closed")); },
        "pill", "pill name:Closed");
    row(
        "error on and off",
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
        "workflow step checked", [](QWidget *w) { named<QPushButton>(w, "step3")->setChecked(true); },
        "step1,step2,step3,step4",
        "step2 description:Step 2 of 4, done\nstep3 description:Step 3 of 4, current\n"
        "step2 state:checked\nstep3 state:checked");
    row(
        "workflow step hidden", [](QWidget *w) { named(w, "step3")->hide(); }, "workflow,step3,step4",
        "step3 description:\nstep4 description:Step 3 of 3\nworkflow description:Workflow of 3 steps");
    row(
        "blinking stopped", [](QWidget *w) { named<Components::PushButtonBlink>(w, "blink")->setBlinking(false); },
        "blink", "blink description:");
    row(
        "user signs in",
        [](QWidget *w) {
            auto *model = named<Models::UserConnectorModel>(w, "guests");
            model->setCurrentUser(new Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
        },
        "guest", "guest name:Ada Lovelace\nguest description:Signed in; opens a menu to log out");
    row(
        "panel retitled",
        [](QWidget *w) {
            named<Components::CascadingListView>(w, "view")->setPanelTitle(1, QStringLiteral("Category"));
            named<Components::CascadingListView>(w, "view")->setPanelTitle(1, QString());
        },
        "panel1", "panel1 name:Category\npanel1 name:Level 2");
}

void tst_Accessibility::events()
{
    QFETCH(Act, act);
    QFETCH(QString, watched);

    act(m_window);
    QTEST(AccessibleEventRecorder::eventsOf(watched.split(QLatin1Char(','))), "expected");
}

void tst_Accessibility::actions_data()
{
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<int>("child");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("expected"); // the states, or for a handle its value

    using Actions = QAccessibleActionInterface;
    QTest::newRow("expander toggle") << QByteArray("expander") << -1 << Actions::toggleAction() << 1
                                     << QStringLiteral("expandable,collapsed");
    QTest::newRow("card toggle") << QByteArray("card") << -1 << Actions::toggleAction() << 1
                                 << QStringLiteral("focusable,checkable,checked");
    QTest::newRow("handle increase") << QByteArray("narrow") << 0 << Actions::increaseAction() << 1
                                     << QStringLiteral("21");
    // The minimum handle stops at the maximum one, as under the mouse.
    QTest::newRow("handle increase, blocked")
        << QByteArray("narrow") << 0 << Actions::increaseAction() << 2 << QStringLiteral("21");
    QTest::newRow("handle decrease") << QByteArray("narrow") << 1 << Actions::decreaseAction() << 1
                                     << QStringLiteral("20");
}

void tst_Accessibility::actions()
{
    QFETCH(QByteArray, part);
    QFETCH(int, child);
    QFETCH(QString, action);
    QFETCH(int, times);
    QFETCH(QString, expected);

    QWidget *widget = named(m_window, part.constData());
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
    if (part == "expander") {
        QAccessibleInterface *header = QAccessible::queryAccessibleInterface(named(m_window, "header"));
        header->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(statesOf(header), QStringLiteral("focusable,expandable,expanded"));
    }
}

void tst_Accessibility::blinkingIsNoNews()
{
    QTest::qWait(1600); // three blink steps
    QVERIFY(named(m_window, "blink")->property("blink_checked").isValid());
    QCOMPARE(AccessibleEventRecorder::eventsOf(split("blink")), QString());
}

void tst_Accessibility::applicationTextsStay()
{
    auto *edit = named<Components::ErrorLineEdit>(m_window, "edit");
    edit->setAccessibleDescription(QStringLiteral("Your login"));
    edit->setErrorMessage(QStringLiteral("Too short"));
    edit->setErrorState(true);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(edit);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Your login. Error: Too short"));

    // The application changes its description while the error is shown: the error is added again before a
    // screen reader reads the field.
    named(m_window, "sink")->setFocus();
    edit->setAccessibleDescription(QStringLiteral("The login name."));
    edit->setFocus();
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("The login name. Error: Too short"));
    edit->setErrorState(false);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("The login name."));

    // An application's own name stays where the library would name the widget.
    auto *panel = named(m_window, "panel1");
    panel->setAccessibleName(QStringLiteral("Shelves"));
    named<Components::CascadingListView>(m_window, "view")->setPanelTitle(1, QStringLiteral("Category"));
    QCOMPARE(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name), QStringLiteral("Shelves"));
    QWidget *color = named(m_window, "red");
    color->setAccessibleName(QStringLiteral("Text colour"));
    QCOMPARE(QAccessible::queryAccessibleInterface(color)->text(QAccessible::Name), QStringLiteral("Text colour"));
}

void tst_Accessibility::deletedPartsAnswerSafely_data()
{
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<QStringList>("deleted"); // object names
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("childCount"); // -1: not checked

    QTest::newRow("colormap model") << QByteArray("colormap") << split("colormaps") << QString() << 2;
    QTest::newRow("cascading model") << QByteArray("view") << split("model") << QStringLiteral("3 levels") << -1;
    QTest::newRow("group members") << QByteArray("workflow") << split("step1,step4")
                                   << QStringLiteral("Workflow of 2 steps") << 2;
    QTest::newRow("user model") << QByteArray("user") << split("users") << QStringLiteral("Log In") << 0;
    QTest::newRow("card contents, side widget") << QByteArray("plainCard") << split("contents,side") << QString() << 3;
    // The handles of a range slider go with it.
    QTest::newRow("range slider") << QByteArray("slider") << split("slider") << QString() << -1;
}

void tst_Accessibility::deletedPartsAnswerSafely()
{
    QFETCH(QByteArray, part);
    QFETCH(QStringList, deleted);
    QFETCH(int, childCount);

    const QPointer<QWidget> widget = named(m_window, part.constData());
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
