// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/ToolButtonGroupPopUp.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWidgetAction>

#include "TestSupport.h"

#include <functional>
#include <memory>

using namespace Nalu::Components;
using namespace TestSupport;

namespace {

// A press on an instant pop-up button runs the menu in a nested event loop. Started before the press, the watcher
// polls from inside that loop: it records the first pop-up it sees, runs `whileOpen` on it, then closes it.
struct PopupWatcher : QTimer
{
    explicit PopupWatcher(std::function<void(QWidget *)> whileOpen = {})
    {
        connect(this, &QTimer::timeout, [this, whileOpen] {
            QWidget *active = QApplication::activePopupWidget();
            if (active && !popup && whileOpen) {
                whileOpen(active);
            }
            popup = popup ? popup.data() : active;
            if (active) {
                active->close();
            }
        });
        start(5);
    }

    QPointer<QWidget> popup; // the first pop-up seen
};

QWidgetAction *widgetAction(const QMenu *menu)
{
    return menu && menu->actions().size() == 1 ? qobject_cast<QWidgetAction *>(menu->actions().constFirst()) : nullptr;
}

QToolButton *choice(const QString &text)
{
    auto *button = new QToolButton;
    button->setText(text);
    button->setToolTip(text + QStringLiteral(" tip"));
    button->setIcon(QIcon(QPixmap(8, 8)));
    button->setCheckable(true);
    button->setFixedSize(150, 70); // much larger than the pop-up button, so that centring shows both ways
    return button;
}

} // namespace

class tst_ToolButtonPopUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paintsIndicatorOnlyWhenAsked()
    {
        ToolButtonPopUp popUp;
        QPalette palette = popUp.palette();
        palette.setColor(QPalette::WindowText, Qt::magenta);
        popUp.setPalette(palette);
        popUp.setFixedSize(60, 60);
        for (bool draw : {false, true}) {
            popUp.setDrawPopUpIndicator(draw);
            // For 60 x 60 the triangle runs through (45, 46), (48, 58) and (51, 46).
            QCOMPARE(popUp.grab().toImage().pixelColor(48, 52) == QColor(Qt::magenta), draw);
        }
    }

    void pressOpensMenuOnlyInTheZoneOfASplitButton_data()
    {
        QTest::addColumn<bool>("indicator");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QPoint>("where"); // in a 60 x 60 button
        QTest::addColumn<bool>("menu"); // opened on the press
        QTest::addColumn<QString>("emitted"); // a split toggle has no press and no click
        QTest::newRow("plain, top left") << false << false << QPoint(12, 12) << true << "pressed";
        QTest::newRow("split, menu zone's inner corner") << true << false << QPoint(42, 42) << true << "pressed";
        QTest::newRow("split, left of the zone") << true << false << QPoint(38, 54) << false << "pressed, clicked off";
        QTest::newRow("split, above the zone") << true << false << QPoint(54, 38) << false << "pressed, clicked off";
        QTest::newRow("split checkable, bottom left") << true << true << QPoint(12, 54) << false << "toggled on";
        QTest::newRow("split checkable, menu zone") << true << true << QPoint(51, 51) << true << "pressed";
    }
    void pressOpensMenuOnlyInTheZoneOfASplitButton()
    {
        QFETCH(bool, indicator);
        QFETCH(bool, checkable);
        QFETCH(QPoint, where);
        QFETCH(bool, menu);
        ToolButtonPopUp popUp;
        popUp.setFixedSize(60, 60);
        popUp.setMenuWidget(new QLabel(QStringLiteral("content")));
        popUp.setDrawPopUpIndicator(indicator);
        popUp.setCheckable(checkable);
        popUp.move(120, 150);
        QVERIFY(showExposed(popUp));
        QMenu *ownMenu = popUp.menu();
        SignalLog log;
        log.record(&popUp, &QToolButton::pressed, QStringLiteral("pressed"));
        log.record(&popUp, &QToolButton::clicked, QStringLiteral("clicked"));
        log.record(&popUp, &QToolButton::toggled, QStringLiteral("toggled"));
        PopupWatcher watcher;
        QTest::mousePress(&popUp, Qt::LeftButton, {}, where); // the menu opens on the press already
        QCOMPARE(watcher.popup.data(), menu ? ownMenu : nullptr);
        QCOMPARE(popUp.menu(), ownMenu); // back in place once the press is handled
        QTest::mouseRelease(&popUp, Qt::LeftButton, {}, where);
        QTEST(log.joined(), "emitted");
    }

    void setMenuWidgetReusesTheWidgetsAction()
    {
        auto popUp = std::make_unique<ToolButtonPopUp>();
        QPointer<QLabel> first = new QLabel;
        QPointer<QLabel> second = new QLabel;
        popUp->setMenuWidget(first);
        QPointer<QMenu> menu1 = popUp->menu();
        QPointer<QWidgetAction> action = widgetAction(menu1);
        QVERIFY(action && action->defaultWidget() == first);

        // The same widget: a fresh menu with the same action; the old menu stays with the button, empty.
        popUp->setMenuWidget(first);
        QVERIFY(popUp->menu() != menu1 && menu1 && menu1->actions().isEmpty());
        QCOMPARE(widgetAction(popUp->menu()), action.data());
        popUp->setMenuWidget(nullptr);
        QCOMPARE(widgetAction(popUp->menu()), action.data());

        // Another widget, then the first again: the first widget keeps its one action.
        popUp->setMenuWidget(second);
        QVERIFY(widgetAction(popUp->menu()) && widgetAction(popUp->menu())->defaultWidget() == second);
        popUp->setMenuWidget(first);
        QCOMPARE(widgetAction(popUp->menu()), action.data());
        popUp.reset();
        QVERIFY(!first && !second);
    }

    void groupMenuFollowsToolBarAndExclusiveChoice_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<bool>("exclusive");
        QTest::newRow("horizontal tool bar, exclusive") << Qt::Horizontal << true;
        QTest::newRow("vertical tool bar, not exclusive") << Qt::Vertical << false;
    }
    void groupMenuFollowsToolBarAndExclusiveChoice()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(bool, exclusive);
        const bool horizontal = orientation == Qt::Horizontal;
        QToolBar toolBar;
        toolBar.setOrientation(horizontal ? Qt::Vertical : Qt::Horizontal); // re-oriented below
        auto *popUp = new ToolButtonGroupPopUp(&toolBar);
        toolBar.addWidget(popUp);
        popUp->setText(QStringLiteral("initial"));
        popUp->setExclusive(exclusive);
        QToolButton *green = choice(QStringLiteral("green"));
        popUp->setButtons({choice(QStringLiteral("red")), green, choice(QStringLiteral("blue"))});
        QWidgetAction *action = widgetAction(popUp->menu());
        auto *group = qobject_cast<ButtonGroupWidget *>(action->defaultWidget());
        toolBar.move(120, 150);
        QVERIFY(showExposed(toolBar));
        PopupWatcher before; // the menu is laid out once in the old orientation
        QTest::mouseClick(popUp, Qt::LeftButton, {}, popUp->rect().center());
        before.stop();
        toolBar.setOrientation(orientation);
        QCOMPARE(group->getOrientation(), horizontal ? Qt::Vertical : Qt::Horizontal); // across the tool bar

        // A member clicked in the open menu: an exclusive group takes it over and closes the menu.
        QRect menu, button;
        bool closedByClick = false;
        PopupWatcher watcher([&](QWidget *popup) {
            menu = popup->geometry();
            button = QRect(popUp->mapToGlobal(QPoint(0, 0)), popUp->size());
            QTest::mouseClick(green, Qt::LeftButton, {}, green->rect().center());
            closedByClick = !popup->isVisible();
        });
        QTest::mouseClick(popUp, Qt::LeftButton, {}, popUp->rect().center());
        QCOMPARE(watcher.popup.data(), static_cast<QWidget *>(popUp->menu()));
        QCOMPARE(closedByClick, exclusive);
        QVERIFY(green->isChecked());
        QCOMPARE(popUp->text(), exclusive ? QStringLiteral("green") : QStringLiteral("initial"));
        QCOMPARE(popUp->toolTip(), exclusive ? QStringLiteral("green tip") : QString());
        QCOMPARE(popUp->icon().cacheKey(), exclusive ? green->icon().cacheKey() : QIcon().cacheKey());

        // The menu fits the group's new orientation and is centred on the button along the tool bar.
        QCOMPARE(menu.height() > menu.width(), horizontal);
        QVERIFY(qAbs(horizontal ? menu.center().x() - button.center().x() : menu.center().y() - button.center().y())
                <= 2);
        QVERIFY(horizontal ? qAbs(menu.top() - button.bottom()) <= 2 : qAbs(menu.left() - button.right()) <= 2);
    }
};

QTEST_MAIN(tst_ToolButtonPopUp)
#include "tst_toolbuttonpopup.moc"
