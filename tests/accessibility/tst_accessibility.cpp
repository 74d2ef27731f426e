// SPDX-License-Identifier: MIT

// What the components tell assistive technologies, read through the public accessibility API: the
// interface each component gets (role, name, description, value, state, children, actions) and the
// events that keep a screen reader up to date.

#include "AccessibleEventRecorder.h"

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

// Builds a component into the window and returns what the row looks at.
using Make = std::function<QWidget *(QWidget *window)>;
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
T *place(QWidget *window, T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    window->layout()->addWidget(widget);
    return widget;
}

// A string list from Latin-1 literals.
QStringList L(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts) {
        list << QLatin1String(text);
    }
    return list;
}

Components::CardWidgetBaseHeader *headerOf(const QWidget *card)
{
    return card->findChild<Components::CardWidgetBaseHeader *>();
}

QStandardItemModel *threeLevels(QObject *parent)
{
    auto *model = new QStandardItemModel(parent);
    for (int i = 0; i < 2; ++i) {
        auto *top = new QStandardItem(QStringLiteral("top %1").arg(i));
        auto *middle = new QStandardItem(QStringLiteral("middle %1").arg(i));
        middle->appendRow(new QStandardItem(QStringLiteral("leaf %1").arg(i)));
        top->appendRow(middle);
        model->appendRow(top);
    }
    return model;
}

Components::ButtonGroupWidget *workflow(QWidget *window, int checked)
{
    auto *group = place(window, new Components::ButtonGroupWidget, "group");
    group->setExclusive(true);
    group->setWorkflow(true);
    for (int i = 1; i <= 4; ++i) {
        auto *step = new QPushButton(QStringLiteral("Step %1").arg(i));
        step->setObjectName(QStringLiteral("step%1").arg(i));
        group->addButton(step);
    }
    group->getButton(checked)->setChecked(true);
    return group;
}

Components::ExpanderWidget *expander(QWidget *window)
{
    auto *expander = place(window, new Components::ExpanderWidget(QStringLiteral("General"), window), "expander");
    headerOf(expander)->setObjectName(QStringLiteral("header"));
    expander->setContentsWidget(new QLineEdit);
    return expander;
}

Components::CardWidget *card(QWidget *window)
{
    auto *card = place(
        window, new Components::CardWidget(QStringLiteral("Viewer"), QStringLiteral("Open images"), window), "card");
    headerOf(card)->setObjectName(QStringLiteral("header"));
    card->setContentsWidget(new QLabel(QStringLiteral("Version 2")));
    card->setCheckable(true);
    return card;
}

Components::ColormapRangeSlider *colormapSlider(QWidget *window)
{
    auto *model = new Models::ColormapModel(window);
    model->setObjectName(QStringLiteral("colormaps"));
    model->setCurrentColormap(Models::Colormaps::viridisLike());
    auto *slider = place(window, new Components::ColormapRangeSlider, "slider");
    slider->setColormapModel(model);
    return slider;
}

Components::CascadingListView *cascade(QWidget *window)
{
    auto *model = threeLevels(window);
    model->setObjectName(QStringLiteral("model"));
    auto *view = place(window, new Components::CascadingListView(model, window), "view");
    view->setPanelTitle(0, QStringLiteral("Department"));
    return view;
}

// The panel of a cascading view at level (from 0).
Components::CascadingListViewPanel *panelAt(QWidget *window, int level)
{
    const auto panels = window->findChildren<Components::CascadingListViewPanel *>();
    for (auto *panel : panels) {
        int depth = 0;
        for (auto *p = panel->getParentPanel(); p; p = p->getParentPanel()) {
            ++depth;
        }
        if (depth == level) {
            return panel;
        }
    }
    return nullptr;
}

QString describe(const RecordedAccessibleEvent &event)
{
    QString text = event.object ? event.object->objectName() : QStringLiteral("?");
    switch (event.type) {
    case QAccessible::StateChanged:
        text += QStringLiteral(" state");
        break;
    case QAccessible::ValueChanged:
        text += QStringLiteral(" value");
        break;
    case QAccessible::NameChanged:
        text += QStringLiteral(" name");
        break;
    case QAccessible::DescriptionChanged:
        text += QStringLiteral(" description");
        break;
    case QAccessible::Focus:
        text += QStringLiteral(" focus");
        break;
    default:
        return {};
    }
    if (event.child >= 0) {
        text += QStringLiteral("[%1]").arg(event.child);
    }
    switch (event.type) {
    case QAccessible::StateChanged:
        return text + QLatin1Char(':') + event.changedStates.join(QLatin1Char(','));
    case QAccessible::ValueChanged:
        return text + QLatin1Char(':') + event.value;
    case QAccessible::NameChanged:
        return text + QLatin1Char(':') + event.name;
    case QAccessible::DescriptionChanged:
        return text + QLatin1Char(':') + event.description;
    default:
        return text;
    }
}

// The events of the named objects, in order, as describe() puts them.
QStringList eventsOf(const QStringList &objects)
{
    QStringList described;
    for (const RecordedAccessibleEvent &event : AccessibleEventRecorder::events()) {
        if (event.object && objects.contains(event.object->objectName())) {
            const QString text = describe(event);
            if (!text.isEmpty()) {
                described << text;
            }
        }
    }
    return described;
}

// Reads everything an assistive technology could ask of an interface and its descendants.
int readTree(QAccessibleInterface *iface, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 12) {
        return 0;
    }
    int read = 1;
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
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (child && iface->indexOfChild(child) != i) {
            qWarning("child %d of %s does not know its index", i, qPrintable(iface->text(QAccessible::Name)));
            return -1000;
        }
        read += readTree(child, depth + 1);
    }
    return read;
}

} // namespace

Q_DECLARE_METATYPE(Make)
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

void tst_Accessibility::interfaces_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<int>("child");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("value"); // "*": Qt's own, not checked
    QTest::addColumn<QStringList>("states"); // "*": Qt's own, which differ between Qt versions
    QTest::addColumn<int>("childCount");

    const auto row = [](const char *tag, Make make, int child, QAccessible::Role role, const char *name,
                        const char *description, const char *value, const QStringList &states, int childCount) {
        QTest::newRow(tag) << make << child << int(role) << QString::fromUtf8(name) << QString::fromUtf8(description)
                           << QString::fromUtf8(value) << states << childCount;
    };

    row(
        "expandable header", [](QWidget *w) -> QWidget * { return headerOf(expander(w)); }, -1, QAccessible::Button,
        "General", "", "", L({"focusable", "expandable", "expanded"}), -1);
    // Its children: the right and bottom areas and the menu button; the title and subtitle are its texts.
    row(
        "card header", [](QWidget *w) -> QWidget * { return headerOf(card(w)); }, -1, QAccessible::Heading, "Viewer",
        "Open images", "", L({}), 3);
    row(
        "checked card",
        [](QWidget *w) -> QWidget * {
            auto *c = card(w);
            c->setChecked(true);
            return c;
        },
        -1, QAccessible::Grouping, "Viewer", "", "", L({"focusable", "checkable", "checked"}), 3);
    row(
        "card not checkable", [](QWidget *w) -> QWidget * { return place(w, new Components::CardWidget(w), "c"); }, -1,
        QAccessible::Grouping, "", "", "", L({}), -1);
    row(
        "collapsed expander",
        [](QWidget *w) -> QWidget * {
            auto *e = expander(w);
            e->collapse();
            return e;
        },
        -1, QAccessible::Grouping, "General", "", "", L({"expandable", "collapsed"}), -1);
    row(
        "range slider",
        [](QWidget *w) -> QWidget * {
            auto *s = place(w, new Components::RangeSlider, "slider");
            s->setSliderRange(20, 80);
            return s;
        },
        -1, QAccessible::Grouping, "Range", "", "", L({"focusable"}), 2);
    row(
        "minimum handle",
        [](QWidget *w) -> QWidget * {
            auto *s = place(w, new Components::RangeSlider, "slider");
            s->setSliderRange(20, 80);
            return s;
        },
        0, QAccessible::Slider, "Minimum", "", "20", L({}), 0);
    row(
        "maximum handle, keyboard on",
        [](QWidget *w) -> QWidget * {
            auto *s = place(w, new Components::RangeSlider, "slider");
            s->setKeyboardHandles(true);
            s->setSliderRange(20, 80);
            return s;
        },
        1, QAccessible::Slider, "Maximum", "", "80", L({"focusable"}), 0);
    row("colormap slider", colormapSlider, -1, QAccessible::Grouping, "Colormap range", "Colormap: Viridis", "",
        L({"focusable"}), 2);
    row(
        "workflow group", [](QWidget *w) -> QWidget * { return workflow(w, 1); }, -1, QAccessible::Grouping, "",
        "Workflow of 4 steps", "", L({}), 4);
    row(
        "workflow step done", [](QWidget *w) -> QWidget * { return workflow(w, 1)->getButton(0); }, -1,
        QAccessible::CheckBox, "Step 1", "Step 1 of 4, done", "", L({"focusable", "checkable"}), 0);
    row(
        "workflow step current", [](QWidget *w) -> QWidget * { return workflow(w, 1)->getButton(1); }, -1,
        QAccessible::CheckBox, "Step 2", "Step 2 of 4, current", "", L({"focusable", "checkable", "checked"}), 0);
    row(
        "workflow step to come", [](QWidget *w) -> QWidget * { return workflow(w, 1)->getButton(3); }, -1,
        QAccessible::CheckBox, "Step 4", "Step 4 of 4", "", L({"focusable", "checkable"}), 0);
    row(
        "plain group member",
        [](QWidget *w) -> QWidget * {
            auto *g = workflow(w, 0);
            g->setWorkflow(false);
            return g->getButton(1);
        },
        -1, QAccessible::CheckBox, "Step 2", "", "", L({"focusable", "checkable"}), 0);
    row(
        "colour button",
        [](QWidget *w) -> QWidget * { return place(w, new Components::ColorButton(QColor(Qt::red)), "colour"); }, -1,
        QAccessible::Button, "Colour", "red", "red", L({"focusable"}), 0);
    row(
        "translucent colour with a tip",
        [](QWidget *w) -> QWidget * {
            auto *b = place(w, new Components::ColorButton(QColor(255, 0, 0, 128)), "colour");
            b->setToolTip(QStringLiteral("Fill"));
            return b;
        },
        -1, QAccessible::Button, "Colour", "Fill. red, 50% opaque", "red, 50% opaque", L({"focusable"}), 0);
    row(
        "colour without a name",
        [](QWidget *w) -> QWidget * { return place(w, new Components::ColorButton(QColor(0x12, 0x34, 0x56)), "c"); },
        -1, QAccessible::Button, "Colour", "#123456", "#123456", L({"focusable"}), 0);
    row(
        "transparent colour in a menu",
        [](QWidget *w) -> QWidget * {
            auto *b = place(w, new Components::ColorButton, "colour");
            b->setColorDialogMode(Components::ColorButton::Popup);
            return b;
        },
        -1, QAccessible::ButtonMenu, "Colour", "transparent", "transparent", L({"focusable", "hasPopup"}), 0);
    row(
        "pill label",
        [](QWidget *w) -> QWidget * {
            auto *p = place(w, new Components::PillLabel, "pill");
            p->setText(QStringLiteral("Open"));
            return p;
        },
        -1, QAccessible::StaticText, "Open", "", "", L({}), 0);
    row(
        "rounded pixmap", [](QWidget *w) -> QWidget * { return place(w, new Components::RoundedPixmap, "picture"); },
        -1, QAccessible::Graphic, "", "", "", L({}), 0);
    row(
        "switch",
        [](QWidget *w) -> QWidget * {
            auto *s = place(w, new Components::SwitchCheckBox(QStringLiteral("Dark theme"), w), "switch");
            s->setChecked(true);
            return s;
        },
        -1, QAccessible::CheckBox, "Dark theme", "On/off switch", "", L({"focusable", "checkable", "checked"}), 0);
    row(
        "line edit in error",
        [](QWidget *w) -> QWidget * {
            auto *e = place(w, new Components::ErrorLineEdit, "edit");
            e->setToolTip(QStringLiteral("The name you sign in with"));
            e->setErrorMessage(QStringLiteral("<b>Too</b> short"));
            e->setErrorState(true);
            return e;
        },
        -1, QAccessible::EditableText, "", "The name you sign in with. Error: Too short", "", L({"focusable"}), 0);
    row(
        "combo box in error, default message",
        [](QWidget *w) -> QWidget * {
            auto *c = place(w, new Components::ErrorComboBox, "combo");
            c->addItem(QStringLiteral("France"));
            c->setErrorState(true);
            return c;
        },
        -1, QAccessible::ComboBox, "France", "Error", "France", L({"*"}), -1);
    row(
        "check box out of error",
        [](QWidget *w) -> QWidget * {
            auto *c = place(w, new Components::ErrorCheckBox(QStringLiteral("Terms"), w), "check");
            c->setErrorState(true);
            c->setErrorState(false);
            return c;
        },
        -1, QAccessible::CheckBox, "Terms", "", "", L({"focusable", "checkable"}), 0);
    row(
        "blinking button",
        [](QWidget *w) -> QWidget * {
            return place(w, new Components::PushButtonBlink(QStringLiteral("Confirm"), w), "blink");
        },
        -1, QAccessible::Button, "Confirm", "Needs attention", "", L({"focusable"}), 0);
    row(
        "user connector signed out",
        [](QWidget *w) -> QWidget * {
            return place(w, new Components::UserConnector(new Models::UserConnectorModel(w), w), "user");
        },
        -1, QAccessible::Button, "Log In", "Log In", "", L({"focusable"}), 0);
    row(
        "user connector signed in",
        [](QWidget *w) -> QWidget * {
            auto *model = new Models::UserConnectorModel(w);
            model->setCurrentUser(new Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
            return place(w, new Components::UserConnector(model, w), "user");
        },
        -1, QAccessible::ButtonMenu, "Ada Lovelace", "Signed in; opens a menu to log out", "",
        L({"focusable", "hasPopup"}), -1);
    row(
        "cascading view", [](QWidget *w) -> QWidget * { return cascade(w); }, -1, QAccessible::Grouping, "", "3 levels",
        "", L({}), -1);
    row(
        "titled panel",
        [](QWidget *w) -> QWidget * {
            cascade(w);
            return panelAt(w, 0);
        },
        -1, QAccessible::List, "Department", "", "*", L({"*"}), -1);
    row(
        "untitled panel",
        [](QWidget *w) -> QWidget * {
            cascade(w);
            return panelAt(w, 2);
        },
        -1, QAccessible::List, "Level 3", "", "*", L({"*"}), -1);
    row(
        "minimized scroll bar",
        [](QWidget *w) -> QWidget * {
            auto *bar = place(w, new Components::MinimizedScrollBarVertical, "bar");
            bar->setRange(0, 10);
            bar->setValue(4);
            return bar;
        },
        -1, QAccessible::ScrollBar, "", "", "4", L({}), -1);
    row(
        "stretched tabs",
        [](QWidget *w) -> QWidget * {
            auto *tabs = place(w, new Components::TabWidgetStretched, "tabs");
            tabs->addTab(new QWidget, QStringLiteral("Recent"));
            tabs->addTab(new QWidget, QStringLiteral("Shared"));
            return tabs->tabBar();
        },
        1, QAccessible::PageTab, "Shared", "", "", L({"focusable"}), 0);
}

void tst_Accessibility::interfaces()
{
    QFETCH(Make, make);
    QFETCH(int, child);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, value);
    QFETCH(QStringList, states);
    QFETCH(int, childCount);

    QWidget *widget = make(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface && iface->isValid());
    if (child >= 0) {
        QAccessibleInterface *parent = iface;
        iface = parent->child(child);
        QVERIFY(iface && iface->isValid());
        QCOMPARE(iface->parent(), parent);
        QCOMPARE(parent->indexOfChild(iface), child);
    }
    QCOMPARE(iface->role(), QAccessible::Role(role));
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
    if (value != QLatin1String("*")) {
        QCOMPARE(iface->text(QAccessible::Value), value);
    }
    if (states != L({"*"})) {
        QCOMPARE(accessibleStateNames(iface->state()).join(QLatin1Char(',')), states.join(QLatin1Char(',')));
    }
    if (childCount >= 0) {
        QCOMPARE(iface->childCount(), childCount);
    }
    // Every child knows its parent and its index: the tree holds together.
    QVERIFY(readTree(iface) > 0);
}

void tst_Accessibility::events_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<Act>("act");
    QTest::addColumn<QStringList>("watched");
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char *tag, Make make, Act act, const QStringList &watched, const QStringList &expected) {
        QTest::newRow(tag) << make << act << watched << expected;
    };

    row(
        "expander collapses", [](QWidget *w) -> QWidget * { return expander(w); },
        [](QWidget *w) { named<Components::ExpanderWidget>(w, "expander")->collapse(); }, L({"header", "expander"}),
        L({"header state:expanded,collapsed", "expander state:expanded,collapsed"}));
    row(
        "header opened by the keyboard", [](QWidget *w) -> QWidget * { return expander(w); },
        [](QWidget *w) {
            auto *header = named(w, "header");
            QTest::keyClick(header, Qt::Key_Space);
            QTest::keyClick(header, Qt::Key_Return);
        },
        L({"header"}), L({"header state:expanded,collapsed", "header state:expanded,collapsed"}));
    row(
        "card checked", card, [](QWidget *w) { named<Components::CardWidget>(w, "card")->setChecked(true); },
        L({"card"}), L({"card state:checked"}));
    row(
        "card retitled", card,
        [](QWidget *w) { named<Components::CardWidget>(w, "card")->setTitle(QStringLiteral("Analysis")); },
        L({"card", "header"}), L({"header name:Analysis", "card name:Analysis"}));
    row(
        "subtitle", card,
        [](QWidget *w) { named<Components::CardWidget>(w, "card")->setSubtitle(QStringLiteral("Now")); },
        L({"card", "header"}), L({"header description:Now"}));
    row(
        "range moved", [](QWidget *w) -> QWidget * { return place(w, new Components::RangeSlider, "slider"); },
        [](QWidget *w) { named<Components::RangeSlider>(w, "slider")->setSliderRange(10, 90); }, L({"slider"}),
        L({"slider value[0]:10", "slider value[1]:90"}));
    row(
        "maximum pulls the minimum",
        [](QWidget *w) -> QWidget * { return place(w, new Components::RangeSlider, "slider"); },
        [](QWidget *w) {
            auto *slider = named<Components::RangeSlider>(w, "slider");
            slider->setSliderRange(40, 60);
            AccessibleEventRecorder::events().clear();
            slider->setMaxHandleValue(30);
        },
        L({"slider"}), L({"slider value[0]:30", "slider value[1]:30"}));
    row(
        "bounds clamp the handles",
        [](QWidget *w) -> QWidget * { return place(w, new Components::RangeSlider, "slider"); },
        [](QWidget *w) { named<Components::RangeSlider>(w, "slider")->setRange(0, 50); }, L({"slider"}),
        L({"slider value[1]:50"}));
    row(
        "colormap changed", colormapSlider,
        [](QWidget *w) {
            named<Models::ColormapModel>(w, "colormaps")->setCurrentColormap(Models::Colormaps::grayscale());
        },
        L({"slider"}), L({"slider description:Colormap: Grayscale"}));
    row(
        "colour changed",
        [](QWidget *w) -> QWidget * { return place(w, new Components::ColorButton(QColor(Qt::red)), "colour"); },
        [](QWidget *w) { named<Components::ColorButton>(w, "colour")->setColor(QColor(0, 0, 255, 64)); }, L({"colour"}),
        L({"colour value:blue, 25% opaque", "colour description:blue, 25% opaque"}));
    row(
        "pill renamed", [](QWidget *w) -> QWidget * { return place(w, new Components::PillLabel, "pill"); },
        [](QWidget *w) { named<Components::PillLabel>(w, "pill")->setText(QStringLiteral("Closed")); }, L({"pill"}),
        L({"pill name:Closed"}));
    row(
        "error on and off", [](QWidget *w) -> QWidget * { return place(w, new Components::ErrorLineEdit, "edit"); },
        [](QWidget *w) {
            auto *edit = named<Components::ErrorLineEdit>(w, "edit");
            edit->setErrorMessage(QStringLiteral("Too short"));
            edit->setErrorState(true);
            edit->setErrorMessage(QStringLiteral("Not allowed"));
            edit->setErrorState(false);
            edit->setErrorMessage(QStringLiteral("Quiet while valid"));
        },
        L({"edit"}),
        L({"edit description:Error: Too short", "edit description:Error: Not allowed", "edit description:"}));
    row(
        "workflow step checked", [](QWidget *w) -> QWidget * { return workflow(w, 0); },
        [](QWidget *w) { named<QPushButton>(w, "step3")->setChecked(true); }, L({"step1", "step2", "step3", "step4"}),
        // The steps say where they are before Qt reports the new checked states.
        L({"step1 description:Step 1 of 4, done", "step2 description:Step 2 of 4, done",
           "step3 description:Step 3 of 4, current", "step1 state:checked", "step3 state:checked"}));
    row(
        "workflow step hidden", [](QWidget *w) -> QWidget * { return workflow(w, 0); },
        [](QWidget *w) { named(w, "step2")->hide(); }, L({"group", "step2", "step3", "step4"}),
        L({"step2 description:", "step3 description:Step 2 of 3", "step4 description:Step 3 of 3",
           "group description:Workflow of 3 steps"}));
    row(
        "blinking stopped",
        [](QWidget *w) -> QWidget * {
            return place(w, new Components::PushButtonBlink(QStringLiteral("Confirm"), w), "blink");
        },
        [](QWidget *w) { named<Components::PushButtonBlink>(w, "blink")->setBlinking(false); }, L({"blink"}),
        L({"blink description:"}));
    row(
        "user signs in",
        [](QWidget *w) -> QWidget * {
            auto *model = new Models::UserConnectorModel(w);
            model->setObjectName(QStringLiteral("users"));
            return place(w, new Components::UserConnector(model, w), "user");
        },
        [](QWidget *w) {
            auto *model = named<Models::UserConnectorModel>(w, "users");
            model->setCurrentUser(new Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
        },
        L({"user"}), L({"user name:Ada Lovelace", "user description:Signed in; opens a menu to log out"}));
    row(
        "panel retitled", [](QWidget *w) -> QWidget * { return cascade(w); },
        [](QWidget *w) {
            panelAt(w, 1)->setObjectName(QStringLiteral("panel"));
            named<Components::CascadingListView>(w, "view")->setPanelTitle(1, QStringLiteral("Category"));
            named<Components::CascadingListView>(w, "view")->setPanelTitle(1, QString());
        },
        L({"panel"}), L({"panel name:Category", "panel name:Level 2"}));
}

void tst_Accessibility::events()
{
    QFETCH(Make, make);
    QFETCH(Act, act);
    QFETCH(QStringList, watched);
    QFETCH(QStringList, expected);

    make(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    AccessibleEventRecorder::events().clear();
    act(m_window);
    QCOMPARE(eventsOf(watched).join(QLatin1Char('\n')), expected.join(QLatin1Char('\n')));
}

void tst_Accessibility::actions_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<int>("child");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("expectedStates");
    QTest::addColumn<QString>("expectedValue");

    QTest::newRow("header press") << Make([](QWidget *w) -> QWidget * { return headerOf(expander(w)); }) << -1
                                  << QAccessibleActionInterface::pressAction()
                                  << L({"focusable", "expandable", "collapsed"}) << QString();
    QTest::newRow("expander toggle") << Make([](QWidget *w) -> QWidget * { return expander(w); }) << -1
                                     << QAccessibleActionInterface::toggleAction() << L({"expandable", "collapsed"})
                                     << QString();
    QTest::newRow("card toggle") << Make(card) << -1 << QAccessibleActionInterface::toggleAction()
                                 << L({"focusable", "checkable", "checked"}) << QString();
    const Make slider = [](QWidget *w) -> QWidget * {
        auto *s = place(w, new Components::RangeSlider, "slider");
        s->setSliderRange(20, 21);
        return s;
    };
    QTest::newRow("handle increase") << slider << 0 << QAccessibleActionInterface::increaseAction() << QStringList()
                                     << QStringLiteral("21");
    // The minimum handle stops at the maximum one, as under the mouse.
    QTest::newRow("handle increase, blocked")
        << slider << 0 << QAccessibleActionInterface::increaseAction() << QStringList() << QStringLiteral("21");
    QTest::newRow("handle decrease") << slider << 1 << QAccessibleActionInterface::decreaseAction() << QStringList()
                                     << QStringLiteral("20");
}

void tst_Accessibility::actions()
{
    QFETCH(Make, make);
    QFETCH(int, child);
    QFETCH(QString, action);
    QFETCH(QStringList, expectedStates);
    QFETCH(QString, expectedValue);

    QWidget *widget = make(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (child >= 0) {
        iface = iface->child(child);
    }
    QVERIFY(iface && iface->actionInterface());
    QVERIFY2(iface->actionInterface()->actionNames().contains(action),
             qPrintable(iface->actionInterface()->actionNames().join(QLatin1Char(' '))));
    // Twice for the blocked row: a first step reaches the other handle, the second changes nothing.
    const int times = QByteArray(QTest::currentDataTag()).endsWith("blocked") ? 2 : 1;
    for (int i = 0; i < times; ++i) {
        iface->actionInterface()->doAction(action);
    }
    if (!expectedStates.isEmpty()) {
        QCOMPARE(accessibleStateNames(iface->state()).join(QLatin1Char(',')), expectedStates.join(QLatin1Char(',')));
    }
    if (!expectedValue.isEmpty()) {
        QCOMPARE(iface->text(QAccessible::Value), expectedValue);
        QCOMPARE(iface->valueInterface()->currentValue().toString(), expectedValue);
    }
    if (auto *rangeSlider = qobject_cast<Components::RangeSlider *>(widget)) {
        // A value set through the interface follows the same rules.
        QAccessibleValueInterface *value = iface->valueInterface();
        value->setCurrentValue(child == 0 ? 99 : -5);
        QVERIFY(rangeSlider->getMinHandleValue() <= rangeSlider->getMaxHandleValue());
        QCOMPARE(value->currentValue(), child == 0 ? value->maximumValue() : value->minimumValue());
    }
}

void tst_Accessibility::blinkingIsNoNews()
{
    auto *button = place(m_window, new Components::PushButtonBlink(QStringLiteral("Confirm"), m_window), "blink");
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    AccessibleEventRecorder::events().clear();
    // Three blink steps.
    QTest::qWait(1600);
    QVERIFY(button->property("blink_checked").isValid());
    QCOMPARE(eventsOf(L({"blink"})), QStringList());
}

void tst_Accessibility::applicationTextsStay()
{
    auto *edit = place(m_window, new Components::ErrorLineEdit, "edit");
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

    // An application's own name stays when the library would name the widget.
    auto *view = cascade(m_window);
    Components::CascadingListViewPanel *panel = panelAt(m_window, 1);
    panel->setAccessibleName(QStringLiteral("Shelves"));
    view->setPanelTitle(1, QStringLiteral("Category"));
    QCOMPARE(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name), QStringLiteral("Shelves"));
    auto *color = place(m_window, new Components::ColorButton(QColor(Qt::black)), "colour");
    color->setAccessibleName(QStringLiteral("Text colour"));
    QCOMPARE(QAccessible::queryAccessibleInterface(color)->text(QAccessible::Name), QStringLiteral("Text colour"));
}

void tst_Accessibility::deletedPartsAnswerSafely_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<Act>("remove");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("childCount");

    QTest::newRow("colormap model") << Make(colormapSlider) << Act([](QWidget *w) {
        delete w->findChild<Models::ColormapModel *>(QStringLiteral("colormaps"));
    }) << QString() << 2;
    QTest::newRow("cascading model") << Make([](QWidget *w) -> QWidget * { return cascade(w); }) << Act([](QWidget *w) {
        delete w->findChild<QStandardItemModel *>(QStringLiteral("model"));
    }) << QStringLiteral("3 levels") << -1;
    QTest::newRow("group members") << Make([](QWidget *w) -> QWidget * { return workflow(w, 1); })
                                   << Act([](QWidget *w) {
                                          delete named(w, "step1");
                                          delete named(w, "step4");
                                      })
                                   << QStringLiteral("Workflow of 2 steps") << 2;
    QTest::newRow("card contents and side widget") << Make([](QWidget *w) -> QWidget * {
        auto *c = card(w);
        auto *side = new QLabel(QStringLiteral("New"));
        side->setObjectName(QStringLiteral("side"));
        c->setHeaderRightWidget(side);
        return c;
    }) << Act([](QWidget *w) {
        delete named<Components::CardWidget>(w, "card")->getContentsWidget();
        delete named(w, "side");
    }) << QString() << 3;
}

void tst_Accessibility::deletedPartsAnswerSafely()
{
    QFETCH(Make, make);
    QFETCH(Act, remove);
    QFETCH(QString, description);
    QFETCH(int, childCount);

    QWidget *widget = make(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(m_window);
    QVERIFY(readTree(root) > 1);
    remove(m_window);
    QCoreApplication::processEvents();
    QVERIFY(readTree(root) > 1);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(iface->text(QAccessible::Description), description);
    if (childCount >= 0) {
        QCOMPARE(iface->childCount(), childCount);
    }

    // The handles of a range slider go with it.
    auto *slider = place(m_window, new Components::RangeSlider, "slider");
    QAccessibleInterface *sliderIface = QAccessible::queryAccessibleInterface(slider);
    const QAccessible::Id handle = QAccessible::uniqueId(sliderIface->child(1));
    QVERIFY(QAccessible::accessibleInterface(handle));
    delete slider;
    QVERIFY(!QAccessible::accessibleInterface(handle));
    QVERIFY(readTree(root) > 1);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
