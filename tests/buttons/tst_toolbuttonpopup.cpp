#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/ToolButtonGroupPopUp.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMetaClassInfo>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWidgetAction>

#include <functional>
#include <memory>

using namespace Nalu::Components;

namespace {

// A press on an instant pop-up button runs the menu in a nested event loop. Started before the press, the watcher
// polls from inside that loop: it records the first pop-up it sees, runs `whileOpen` on it, then closes it.
class PopupWatcher
{
public:
    explicit PopupWatcher(std::function<void()> whileOpen = {})
        : m_whileOpen(std::move(whileOpen))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *active = QApplication::activePopupWidget();
            if (active && !popup) {
                popup = active;
                geometry = active->geometry();
                if (m_whileOpen) {
                    m_whileOpen();
                }
                closedWhileOpen = !active->isVisible();
            }
            if (active) {
                active->close();
            }
        });
        m_timer.start(5);
    }

    QPointer<QWidget> popup; // the first pop-up seen
    QRect geometry;
    bool closedWhileOpen = false;

private:
    std::function<void()> m_whileOpen;
    QTimer m_timer;
};

QWidgetAction *widgetAction(const QMenu *menu)
{
    return menu && menu->actions().size() == 1 ? qobject_cast<QWidgetAction *>(menu->actions().constFirst()) : nullptr;
}

ButtonGroupWidget *groupOf(const ToolButtonPopUpBase &popUp)
{
    QWidgetAction *action = widgetAction(popUp.menu());
    return action ? qobject_cast<ButtonGroupWidget *>(action->defaultWidget()) : nullptr;
}

QToolButton *choice(const QString &text)
{
    auto *button = new QToolButton;
    button->setText(text);
    button->setToolTip(text + QStringLiteral(" tip"));
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::red);
    button->setIcon(QIcon(pixmap));
    return button;
}

void showAndWait(QWidget &widget)
{
    widget.move(120, 150);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

} // namespace

class tst_ToolButtonPopUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void paintsIndicator_data();
    void paintsIndicator();
    void pressZones_data();
    void pressZones();
    void setMenuWidgetReusesTheWidgetsAction();
    void groupForwardsAndTakesOver_data();
    void groupForwardsAndTakesOver();
    void reorientsWithToolBar();
    void menuPlacement_data();
    void menuPlacement();
    void survivesDeletions();
};

void tst_ToolButtonPopUp::defaults()
{
    ToolButtonPopUp popUp;
    QCOMPARE(popUp.property("no menu arrow"), QVariant(true));
    QCOMPARE(popUp.popupMode(), QToolButton::InstantPopup);
    QVERIFY(!popUp.getDrawPopUpIndicator() && !popUp.menu());
    QVERIFY(popUp.setProperty("drawPopUpIndicator", true));
    QVERIFY(popUp.getDrawPopUpIndicator());

    const QMetaObject &base = ToolButtonPopUpBase::staticMetaObject;
    QCOMPARE(base.classInfoCount(), base.classInfoOffset()); // an intermediate base carries none
    QCOMPARE(ToolButtonPopUp::staticMetaObject.classInfo(ToolButtonPopUp::staticMetaObject.indexOfClassInfo("package"))
                 .value(),
             "ComponentsLibrary");
    QVERIFY(ToolButtonPopUp::staticMetaObject.indexOfClassInfo("example_slider") >= 0);
    QVERIFY(ToolButtonGroupPopUp::staticMetaObject.indexOfClassInfo("example_experiment_button_group") >= 0);

    // The group pop-up has its menu from the start: a pop-up without a drop shadow, holding the group.
    ToolButtonGroupPopUp group;
    QCOMPARE(group.property("no menu arrow"), QVariant(true));
    QVERIFY(group.menu()->windowFlags() & Qt::NoDropShadowWindowHint);
    QVERIFY(group.menu()->windowFlags() & Qt::Popup);
    QVERIFY(groupOf(group));
    QCOMPARE(groupOf(group)->getOrientation(), Qt::Horizontal);
}

void tst_ToolButtonPopUp::paintsIndicator_data()
{
    QTest::addColumn<bool>("draw");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("off") << false << true;
    QTest::newRow("on") << true << true;
    QTest::newRow("on, disabled") << true << false;
}

void tst_ToolButtonPopUp::paintsIndicator()
{
    QFETCH(bool, draw);
    QFETCH(bool, enabled);
    ToolButtonPopUp popUp;
    QPalette palette = popUp.palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::magenta);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::magenta);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::cyan);
    popUp.setPalette(palette);
    popUp.setFixedSize(60, 60);
    popUp.setDrawPopUpIndicator(draw);
    popUp.setEnabled(enabled);
    QImage image(popUp.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    popUp.render(&image);

    // For 60 x 60 the triangle runs through (45, 46), (48, 58) and (51, 46).
    const QColor expected = enabled ? Qt::magenta : Qt::cyan;
    for (const QPoint &inside : {QPoint(47, 48), QPoint(48, 52), QPoint(46, 46)}) {
        QCOMPARE(image.pixelColor(inside) == expected, draw);
    }
    for (const QPoint &outside : {QPoint(44, 50), QPoint(52, 50), QPoint(48, 59), QPoint(48, 44)}) {
        QVERIFY(image.pixelColor(outside) != expected);
    }
}

void tst_ToolButtonPopUp::pressZones_data()
{
    QTest::addColumn<bool>("indicator");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QPointF>("where"); // fraction of width and height
    QTest::addColumn<bool>("right"); // the right mouse button instead of the left
    QTest::addColumn<QString>("expected"); // what happened: "menu", "click", "toggle" or "nothing"
    QTest::newRow("plain, top left") << false << false << QPointF(0.2, 0.2) << false << "menu";
    QTest::newRow("plain checkable, top left") << false << true << QPointF(0.2, 0.2) << false << "menu";
    QTest::newRow("split, menu zone") << true << false << QPointF(0.85, 0.85) << false << "menu";
    QTest::newRow("split, zone's inner corner") << true << false << QPointF(0.7, 0.7) << false << "menu";
    QTest::newRow("split, last pixel") << true << false << QPointF(0.99, 0.99) << false << "menu";
    QTest::newRow("split, top left") << true << false << QPointF(0.2, 0.2) << false << "click";
    QTest::newRow("split, top right") << true << false << QPointF(0.9, 0.2) << false << "click";
    QTest::newRow("split, left of the zone") << true << false << QPointF(0.64, 0.9) << false << "click";
    QTest::newRow("split, above the zone") << true << false << QPointF(0.9, 0.64) << false << "click";
    QTest::newRow("split checkable, bottom left") << true << true << QPointF(0.2, 0.9) << false << "toggle";
    QTest::newRow("split checkable, menu zone") << true << true << QPointF(0.85, 0.85) << false << "menu";
    QTest::newRow("split checkable, right") << true << true << QPointF(0.2, 0.2) << true << "nothing";
}

void tst_ToolButtonPopUp::pressZones()
{
    QFETCH(bool, indicator);
    QFETCH(bool, checkable);
    QFETCH(QPointF, where);
    QFETCH(bool, right);
    const Qt::MouseButton mouseButton = right ? Qt::RightButton : Qt::LeftButton;
    QFETCH(QString, expected);
    QWidget window;
    auto *popUp = new ToolButtonPopUp(&window);
    popUp->setFixedSize(60, 60);
    popUp->setMenuWidget(new QLabel(QStringLiteral("content")));
    popUp->setDrawPopUpIndicator(indicator);
    popUp->setCheckable(checkable);
    showAndWait(window);
    QPointer<QMenu> menu = popUp->menu();
    QSignalSpy pressed(popUp, &QToolButton::pressed);
    QSignalSpy clicked(popUp, &QToolButton::clicked);
    QSignalSpy toggled(popUp, &QToolButton::toggled);

    const QPoint position(int(where.x() * popUp->width()), int(where.y() * popUp->height()));
    for (int round = 0; round < 2; ++round) {
        PopupWatcher watcher;
        QTest::mousePress(popUp, mouseButton, {}, position);
        QCOMPARE(popUp->menu(), menu.data()); // back in place once the press is handled
        QTest::mouseRelease(popUp, mouseButton, {}, position);
        QCOMPARE(watcher.popup.data(), expected == QLatin1String("menu") ? menu.data() : nullptr);
    }
    QVERIFY(!menu->isVisible());
    // A split toggle has no press and no click; it flips the state each time.
    QCOMPARE(pressed.count(), expected == QLatin1String("menu") || expected == QLatin1String("click") ? 2 : 0);
    QCOMPARE(clicked.count(), expected == QLatin1String("click") ? 2 : 0);
    QCOMPARE(toggled.count(), expected == QLatin1String("toggle") ? 2 : 0);
    QVERIFY(toggled.isEmpty() || (toggled.at(0).at(0).toBool() && !toggled.at(1).at(0).toBool()));
}

void tst_ToolButtonPopUp::setMenuWidgetReusesTheWidgetsAction()
{
    auto popUp = std::make_unique<ToolButtonPopUp>();
    QPointer<QLabel> first = new QLabel;
    popUp->setMenuWidget(first);
    QPointer<QMenu> menu1 = popUp->menu();
    QPointer<QWidgetAction> action1 = widgetAction(menu1);
    QVERIFY(action1 && action1->defaultWidget() == first);

    // The same widget: a fresh menu with the same action; the old menu stays with the button, empty.
    popUp->setMenuWidget(first);
    QPointer<QMenu> menu2 = popUp->menu();
    QVERIFY(menu2 != menu1 && menu1 && menu1->parent() == popUp.get() && menu1->actions().isEmpty());
    QCOMPARE(widgetAction(menu2), action1.data());
    QCOMPARE(first->parentWidget(), menu2.data());
    popUp->setMenuWidget(nullptr);
    QCOMPARE(popUp->menu(), menu2.data());

    // Another widget, then the first again: the first widget keeps its one and only action.
    QPointer<QLabel> second = new QLabel;
    popUp->setMenuWidget(second);
    QVERIFY(widgetAction(popUp->menu()) != action1 && first && !first->parent());
    popUp->setMenuWidget(first);
    QCOMPARE(widgetAction(popUp->menu()), action1.data());
    int owners = 0;
    for (QWidgetAction *action : popUp->findChildren<QWidgetAction *>()) {
        owners += action->defaultWidget() == first ? 1 : 0;
    }
    QCOMPARE(owners, 1);
    popUp.reset();
    QVERIFY(!first && !second && !menu1 && !menu2);
}

void tst_ToolButtonPopUp::groupForwardsAndTakesOver_data()
{
    QTest::addColumn<bool>("exclusive");
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("exclusive, setChecked") << true << false;
    QTest::newRow("exclusive, click in the menu") << true << true;
    QTest::newRow("not exclusive, click in the menu") << false << true;
}

void tst_ToolButtonPopUp::groupForwardsAndTakesOver()
{
    QFETCH(bool, exclusive);
    QFETCH(bool, byMouse);
    QWidget window;
    auto *popUp = new ToolButtonGroupPopUp(&window);
    popUp->setText(QStringLiteral("initial"));
    popUp->setExclusive(exclusive);
    QCOMPARE(popUp->isExclusive(), exclusive);
    QList<QAbstractButton *> choices {choice(QStringLiteral("red")), choice(QStringLiteral("green"))};
    popUp->setButtons(choices);
    choices << new QPushButton(QStringLiteral("blue"));
    popUp->addButton(choices.last());
    popUp->addButton(choices.first());
    popUp->addButton(nullptr);
    popUp->removeButton(nullptr);
    QCOMPARE(popUp->getButtons(), choices);
    QCOMPARE(groupOf(*popUp)->getButtons(), choices);
    QVERIFY(!qobject_cast<QToolButton *>(choices.at(0))->autoRaise()); // setButtons forwards as it is
    auto *raised = choice(QStringLiteral("raised"));
    popUp->addButton(raised);
    QVERIFY(raised->autoRaise());
    popUp->removeButton(raised);
    std::unique_ptr<QAbstractButton> removed(raised);
    QVERIFY(!raised->parent() && !popUp->getButton(3) && !popUp->getButton(-1));
    for (QAbstractButton *button : choices) {
        button->setCheckable(true); // a plain group needs it too
    }
    showAndWait(window);

    auto check = [&](QAbstractButton *button) {
        if (!byMouse) {
            button->setChecked(true);
            return true;
        }
        PopupWatcher watcher([&] { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); });
        QTest::mouseClick(popUp, Qt::LeftButton, {}, popUp->rect().center());
        // The take-over closes the menu; otherwise it stays open until the watcher closes it.
        return watcher.popup == popUp->menu() && watcher.closedWhileOpen == exclusive;
    };
    QVERIFY(check(choices.at(1)));
    QVERIFY(choices.at(1)->isChecked());
    if (!exclusive) {
        QCOMPARE(popUp->text(), QStringLiteral("initial"));
        QVERIFY(popUp->toolTip().isEmpty() && popUp->icon().isNull());
        return;
    }
    QCOMPARE(popUp->getCheckedButton(), choices.at(1));
    QCOMPARE(popUp->text(), QStringLiteral("green"));
    QCOMPARE(popUp->toolTip(), QStringLiteral("green tip"));
    QCOMPARE(popUp->icon().cacheKey(), choices.at(1)->icon().cacheKey());
    // The member unchecked on the way copies nothing, even after it changed.
    choices.at(1)->setText(QStringLiteral("renamed"));
    QString textWhileUnchecking;
    connect(groupOf(*popUp), &ButtonGroupWidget::buttonToggled, popUp,
            [&](QAbstractButton *, bool checked) { textWhileUnchecking += checked ? QString() : popUp->text(); });
    QVERIFY(check(choices.at(2)));
    QCOMPARE(textWhileUnchecking, QStringLiteral("green"));
    QVERIFY(!choices.at(1)->isChecked());
    QCOMPARE(popUp->text(), QStringLiteral("blue"));
    QVERIFY(popUp->icon().isNull());
}

void tst_ToolButtonPopUp::reorientsWithToolBar()
{
    QToolBar toolBar;
    auto *popUp = new ToolButtonGroupPopUp(&toolBar);
    toolBar.addWidget(popUp);
    popUp->setExclusive(true);
    popUp->setButtons({choice(QStringLiteral("a")), choice(QStringLiteral("b"))});
    ButtonGroupWidget *group = groupOf(*popUp);
    QCOMPARE(group->getOrientation(), Qt::Vertical);

    for (Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        QPointer<QMenu> before = popUp->menu();
        QWidgetAction *action = widgetAction(before);
        toolBar.setOrientation(orientation);
        QCOMPARE(group->getOrientation(), orientation == Qt::Vertical ? Qt::Horizontal : Qt::Vertical);
        QVERIFY(popUp->menu() != before && before && before->actions().isEmpty());
        QCOMPARE(widgetAction(popUp->menu()), action);
        QCOMPARE(group->parentWidget(), popUp->menu());
        QVERIFY(popUp->menu()->windowFlags() & Qt::NoDropShadowWindowHint);
    }
    popUp->getButton(1)->setChecked(true); // still reported through the rebuilt menus
    QCOMPARE(popUp->text(), QStringLiteral("b"));
}

void tst_ToolButtonPopUp::menuPlacement_data()
{
    QTest::addColumn<int>("place"); // 0: no tool bar, 1: horizontal tool bar, 2: vertical tool bar
    QTest::newRow("no tool bar") << 0;
    QTest::newRow("horizontal tool bar") << 1;
    QTest::newRow("vertical tool bar") << 2;
}

void tst_ToolButtonPopUp::menuPlacement()
{
    QFETCH(int, place);
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *toolBar = new QToolBar(&window);
    toolBar->setOrientation(place == 2 ? Qt::Vertical : Qt::Horizontal);
    toolBar->addWidget(new QToolButton);
    layout->addWidget(toolBar);
    auto *popUp = new ToolButtonGroupPopUp(place == 0 ? &window : static_cast<QWidget *>(toolBar));
    if (place == 0) {
        layout->addWidget(popUp);
    } else {
        toolBar->addWidget(popUp);
    }
    for (int i = 0; i < 3; ++i) { // much larger than the button, so that centring shows both ways
        auto *member = new QPushButton(QStringLiteral("A rather long choice %1").arg(i));
        member->setMinimumHeight(70);
        popUp->addButton(member);
    }
    showAndWait(window);
    PopupWatcher watcher;
    QTest::mouseClick(popUp, Qt::LeftButton, {}, popUp->rect().center());
    QCOMPARE(watcher.popup.data(), static_cast<QWidget *>(popUp->menu()));
    const QRect menu = watcher.geometry;
    const QRect button(popUp->mapToGlobal(QPoint(0, 0)), popUp->size());
    QVERIFY(menu.width() > button.width() + 20 && menu.height() > button.height() + 20);
    if (place == 0) { // where Qt puts it: below, left edges aligned
        QCOMPARE(menu.left(), button.left());
    } else if (place == 1) {
        QVERIFY(qAbs(menu.center().x() - button.center().x()) <= 1);
    } else { // one pixel higher than centred
        QVERIFY(qAbs(menu.center().y() - button.center().y()) <= 2);
    }
    QVERIFY(place == 2 ? qAbs(menu.left() - button.right()) <= 2 : qAbs(menu.top() - button.bottom()) <= 2);
}

void tst_ToolButtonPopUp::survivesDeletions()
{
    { // A member deleted while in the group.
        ToolButtonGroupPopUp popUp;
        popUp.setExclusive(true);
        popUp.setButtons({choice(QStringLiteral("a")), choice(QStringLiteral("b"))});
        delete popUp.getButton(0);
        QCOMPARE(popUp.getButtons().size(), 1);
        popUp.getButton(0)->setChecked(true);
        QCOMPARE(popUp.text(), QStringLiteral("b"));
    }
    { // The pop-up with members and several menus, then the tool bar it was in.
        auto toolBar = std::make_unique<QToolBar>();
        auto *popUp = new ToolButtonGroupPopUp(toolBar.get());
        QPointer<QAbstractButton> member = choice(QStringLiteral("a"));
        popUp->addButton(member);
        toolBar->setOrientation(Qt::Vertical);
        QPointer<ButtonGroupWidget> group = groupOf(*popUp);
        delete popUp;
        QVERIFY(!member && !group);
        toolBar->setOrientation(Qt::Horizontal);
    }
    { // The tool bar before a pop-up it no longer holds.
        auto *toolBar = new QToolBar;
        std::unique_ptr<ToolButtonGroupPopUp> popUp(new ToolButtonGroupPopUp(toolBar));
        popUp->setParent(nullptr);
        delete toolBar;
        popUp->addButton(choice(QStringLiteral("a")));
        QCOMPARE(popUp->getButtons().size(), 1);
    }
    { // The application empties the menu, which deletes the group with it.
        QToolBar toolBar;
        auto *popUp = new ToolButtonGroupPopUp(&toolBar);
        QPointer<ButtonGroupWidget> group = groupOf(*popUp);
        popUp->menu()->clear();
        QVERIFY(!group);
        std::unique_ptr<QToolButton> refused(choice(QStringLiteral("b")));
        popUp->addButton(refused.get());
        popUp->setButtons({nullptr});
        popUp->setExclusive(true);
        QVERIFY(!refused->parent() && !popUp->isExclusive() && popUp->getButtons().isEmpty());
        QVERIFY(!popUp->getButton(0) && !popUp->getCheckedButton());
        toolBar.setOrientation(Qt::Vertical);
    }
}

QTEST_MAIN(tst_ToolButtonPopUp)
#include "tst_toolbuttonpopup.moc"
