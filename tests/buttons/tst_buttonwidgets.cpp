// SPDX-License-Identifier: MIT
// The composite buttons: the button group, the pop-up tool buttons and the colour button.

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ToolButtonGroupPopUp.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
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

QList<QAbstractButton *> addButtons(ButtonGroupWidget &group, int count)
{
    QList<QAbstractButton *> buttons;
    for (int i = 0; i < count; ++i) {
        buttons << new QPushButton(QStringLiteral("Button %1").arg(i));
        buttons.last()->setObjectName(buttons.last()->text());
        group.addButton(buttons.last());
    }
    return buttons;
}

// The visible index of each member.
QVector<int> visibleIndices(const ButtonGroupWidget &group)
{
    QVector<int> result;
    for (const QAbstractButton *button : group.getButtons()) {
        result << button->property("Button_VisibleIndex").toInt();
    }
    return result;
}

// Of each member: "plain", "checkable" or "checked".
QString checkStates(const ButtonGroupWidget &group)
{
    QStringList states;
    for (const QAbstractButton *b : group.getButtons()) {
        states << QLatin1String(b->isChecked() ? "checked" : b->isCheckable() ? "checkable" : "plain");
    }
    return states.join(QLatin1String(", "));
}

// The group's own painting only (no members, no background) on a white image.
QImage renderSelf(QWidget &widget)
{
    widget.layout()->activate(); // rendering would do it, possibly resizing the widget under the image
    return rendered(widget, Qt::white, {});
}

// Calls step every few milliseconds until it returns true; it also runs inside the nested loop of a modal dialog
// or of a menu opened by a press.
void poll(QObject *context, std::function<bool()> step)
{
    auto *timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
        if (step()) {
            timer->stop();
        }
    });
    timer->start(5);
}

// Started before a press, records the first pop-up that opens, runs `whileOpen` on it, then closes it.
struct PopupWatcher : QObject
{
    explicit PopupWatcher(std::function<void(QWidget *)> whileOpen = {})
    {
        poll(this, [this, whileOpen] {
            if ((popup = QApplication::activePopupWidget())) {
                if (whileOpen) {
                    whileOpen(popup);
                }
                popup->close();
            }
            return !popup.isNull();
        });
    }

    QPointer<QWidget> popup;
};

// A group of three push buttons named "Button 0", "Button 1" and "Button 2".
struct Scene
{
    ButtonGroupWidget group;
    QList<QAbstractButton *> buttons = addButtons(group, 3);
};
using Step = std::function<void(Scene &)>;

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

Q_DECLARE_METATYPE(Step)

class tst_ButtonWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void visibleIndicesFollowMembership_data()
    {
        QTest::addColumn<Step>("step"); // done on a shown group of three
        QTest::addColumn<QVector<int>>("indices"); // "Button_VisibleIndex" of each member
        QTest::addColumn<int>("visibleCount");
        QTest::newRow("all shown") << Step([](Scene &) {}) << QVector<int> {0, 1, 2} << 3;
        QTest::newRow("hide middle") << Step([](Scene &s) { s.buttons.at(1)->hide(); }) << QVector<int> {0, -1, 1} << 2;
        QTest::newRow("remove first") << Step([](Scene &s) {
            s.group.removeButton(s.buttons.at(0));
            QVERIFY(!s.buttons.at(0)->parent());
            delete s.buttons.at(0);
        }) << QVector<int> {0, 1} << 2;
        QTest::newRow("delete middle") << Step([](Scene &s) { delete s.buttons.at(1); }) << QVector<int> {0, 1} << 2;
        QTest::newRow("add one") << Step([](Scene &s) { s.group.addButton(new QPushButton); }) // shown a moment later
                                 << QVector<int> {0, 1, 2, 3} << 4;
        QTest::newRow("hide the group") << Step([](Scene &s) { s.group.hide(); }) << QVector<int> {-1, -1, -1} << 0;
        QTest::newRow("bad input ignored") << Step([](Scene &s) {
            s.group.setButtons({nullptr, s.buttons.at(1)});
            s.group.removeButton(nullptr);
            auto *child = new QCheckBox(&s.group); // a child, but no member: it stays
            s.group.removeButton(child);
            QVERIFY(child->parent() == &s.group && !s.group.getButton(-1) && !s.group.getButton(3));
        }) << QVector<int> {0, 1, 2} << 3;
    }
    void visibleIndicesFollowMembership()
    {
        QFETCH(Step, step);
        QFETCH(QVector<int>, indices);
        Scene s;
        QVERIFY(showExposed(s.group));
        step(s);
        QTRY_COMPARE(visibleIndices(s.group), indices);
        QTEST(s.group.property("ButtonGroupWidget_VisibleCount").toInt(), "visibleCount");
        // Whatever walks the members sees the current ones only.
        QCOMPARE(s.group.layout()->count(), s.group.getButtons().size());
        s.group.setWorkflow(true);
        s.group.setOrientation(Qt::Vertical);
        QVERIFY(!renderSelf(s.group).isNull());
    }

    void exclusiveGroupKeepsOneMemberChecked()
    {
        Scene s;
        QVERIFY(showExposed(s.group));
        s.group.setExclusive(true);
        QCOMPARE(checkStates(s.group), QStringLiteral("checkable, checkable, checkable"));
        SignalLog log;
        log.record(&s.group, &ButtonGroupWidget::buttonClicked, QStringLiteral("clicked"));
        for (int i : {1, 2, 2}) { // clicking the checked member again keeps it checked
            QTest::mouseClick(s.buttons.at(i), Qt::LeftButton, {}, s.buttons.at(i)->rect().center());
        }
        QCOMPARE(log.joined(), QStringLiteral("clicked Button 1, clicked Button 2, clicked Button 2"));
        QCOMPARE(checkStates(s.group), QStringLiteral("checkable, checkable, checked"));
        QCOMPARE(s.group.getCheckedButton(), s.buttons.at(2));
        s.group.addButton(new QPushButton);
        QCOMPARE(checkStates(s.group), QStringLiteral("checkable, checkable, checked, checkable"));
        s.group.setExclusive(false);
        QVERIFY(!s.group.getCheckedButton());
        QCOMPARE(checkStates(s.group), QStringLiteral("plain, plain, plain, plain"));
    }

    void layoutFollowsOrientationAndWorkflow()
    {
        const int m = QApplication::style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        auto *toolBar = new QToolBar;
        toolBar->setOrientation(Qt::Vertical);
        std::unique_ptr<ButtonGroupWidget> group(new ButtonGroupWidget(toolBar));
        QCOMPARE(group->getOrientation(), Qt::Vertical);
        group->setParent(nullptr); // taken out of the tool bar, it still follows it
        const QList<QAbstractButton *> buttons = addButtons(*group, 2);
        const QSize size = buttons.at(0)->size();
        group->setWorkflow(true);
        group->setWorkflow(true); // no second growth
        QCOMPARE(buttons.at(0)->minimumSize(), size + QSize(m, m));
        auto *late = new QPushButton;
        late->resize(40, 20);
        group->addButton(late); // grows from its size at that moment
        QCOMPARE(late->minimumSize(), QSize(40 + m, 20 + m));
        toolBar->setOrientation(Qt::Horizontal);
        QCOMPARE(group->getOrientation(), Qt::Horizontal);
        delete toolBar;

        group->setOrientation(Qt::Vertical);
        QCOMPARE(group->layout()->spacing(), 2 * m); // the rebuilt layout keeps the workflow spacing
        QVERIFY(showExposed(*group));
        QTRY_COMPARE(buttons.at(1)->y() - buttons.at(0)->geometry().bottom() - 1, 2 * m);
        QCOMPARE(buttons.at(0)->x(), buttons.at(1)->x());
        const QSize laidOut = buttons.at(0)->size();
        group->setWorkflow(false);
        QCOMPARE(group->layout()->spacing(), m);
        QCOMPARE(buttons.at(0)->minimumSize(), laidOut - QSize(m, m));

        // A tool bar outlives a group deleted before it.
        QToolBar survivor;
        delete new ButtonGroupWidget(&survivor);
        survivor.setOrientation(Qt::Vertical);
    }

    void paintsSeparatorsOrWorkflowLinks_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<bool>("workflow");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("translucent");
        QTest::addColumn<int>("hidden");
        QTest::addColumn<bool>("rtl"); // the members from the right
        QTest::newRow("separators") << Qt::Horizontal << false << true << false << -1 << false;
        QTest::newRow("separators, vertical, disabled") << Qt::Vertical << false << false << false << -1 << false;
        QTest::newRow("links") << Qt::Horizontal << true << true << false << -1 << false;
        QTest::newRow("links, last hidden") << Qt::Horizontal << true << true << false << 3 << false;
        QTest::newRow("links, vertical, disabled, translucent") << Qt::Vertical << true << false << true << -1 << false;
        QTest::newRow("separators, right to left") << Qt::Horizontal << false << true << false << -1 << true;
    }
    void paintsSeparatorsOrWorkflowLinks()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(bool, workflow);
        QFETCH(bool, enabled);
        QFETCH(bool, translucent);
        QFETCH(int, hidden);
        QFETCH(bool, rtl);
        const bool horizontal = orientation == Qt::Horizontal;
        const QColor border = enabled ? QColor(255, 0, 0) : QColor(100, 0, 0);
        const QColor fill = translucent ? QColor(Qt::white) : enabled ? QColor(0, 0, 255) : QColor(0, 0, 100);
        const QColor link = enabled ? QColor(0, 255, 0) : QColor(0, 100, 0);
        ButtonGroupWidget group;
        group.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        group.setProperty("BackgroundBrush", QBrush(QColor(0, 0, 255)));
        group.setProperty("BackgroundBrushDisabled", QBrush(QColor(0, 0, 100)));
        group.setProperty("BorderBrush", QBrush(QColor(255, 0, 0)));
        group.setProperty("BorderBrushDisabled", QBrush(QColor(100, 0, 0)));
        group.setProperty("WorkflowLinkBrush", QBrush(QColor(0, 255, 0)));
        group.setProperty("WorkflowLinkBrushDisabled", QBrush(QColor(0, 100, 0)));
        group.setProperty("CornerRadius", 6);
        group.setAttribute(Qt::WA_TranslucentBackground, translucent);
        group.setOrientation(orientation);
        group.setWorkflow(workflow);
        group.setEnabled(enabled);
        // Links assume members of equal extent; separators follow each member's own.
        const int members = workflow ? 4 : 3;
        for (int i = 0; i < members; ++i) {
            const int extent = workflow ? 40 : 40 + 7 * i;
            addButtons(group, 1).first()->setFixedSize(horizontal ? QSize(extent, 30) : QSize(60, extent));
        }
        if (hidden >= 0) {
            group.getButton(hidden)->hide();
        }
        QVERIFY(showExposed(group));
        group.resize(group.sizeHint());
        // Seen in a mirror, a group laid out from the right looks like one laid out from the left.
        const QImage image = renderSelf(group).mirrored(rtl && horizontal, false);
        const int length = horizontal ? image.width() : image.height();
        const int across = (horizontal ? image.height() : image.width()) / 2;
        const auto pixel
            = [&](int along) { return horizontal ? image.pixelColor(along, across) : image.pixelColor(across, along); };

        // The frame: the border at the edge, the background inside, rounded corners.
        QCOMPARE(pixel(0), translucent ? QColor(Qt::white) : border);
        QCOMPARE(pixel(1), fill);
        QVERIFY(image.pixelColor(0, 0).green() > 128); // white: neither border nor background

        // A separator in the middle of each gap, or a link across it unless the next member is hidden.
        const int spacing = group.layout()->spacing();
        QVector<int> expected;
        for (int i = 0; i + 1 < members; ++i) {
            const QRect member = QStyle::visualRect(rtl && horizontal ? Qt::RightToLeft : Qt::LeftToRight, group.rect(),
                                                    group.getButton(i)->geometry());
            const int gap = horizontal ? member.right() + 1 : member.bottom() + 1;
            const int middle = gap + spacing / 2;
            if (workflow && i + 1 == hidden) {
                continue;
            }
            // A separator line touches the two pixels at the middle; a link's square cap reaches past the gap.
            for (int p = workflow ? gap - 1 : middle - 1; p <= (workflow ? gap + spacing : middle); ++p) {
                expected << p;
            }
            // A one-pixel line on a pixel boundary covers half of each pixel it touches.
            QCOMPARE(colourMismatch(pixel(middle), mixed(fill, workflow ? link : border, 0.5), 8), QString());
        }
        QVector<int> drawn;
        for (int p = 1; p < length - 1; ++p) {
            if (pixel(p) != pixel(1)) {
                drawn << p;
            }
        }
        QCOMPARE(drawn, expected);
    }
    void splitButtonPaintsIndicatorAndOpensMenuOnlyInItsZone_data()
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
    void splitButtonPaintsIndicatorAndOpensMenuOnlyInItsZone()
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
        QPalette palette = popUp.palette();
        palette.setColor(QPalette::WindowText, Qt::magenta);
        popUp.setPalette(palette);
        // For 60 x 60 the indicator's triangle runs through (45, 46), (48, 58) and (51, 46).
        QCOMPARE(popUp.grab().toImage().pixelColor(48, 52) == QColor(Qt::magenta), indicator);
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

    void popUpSetMenuWidgetReusesTheWidgetsAction()
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
        QVERIFY(before.popup);
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
    void swatchPaintsColourOverChessboard_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<bool>("chessboard");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("dark"); // the colours of the chessboard squares
        QTest::addColumn<QColor>("light");
        const QColor red(220, 40, 30);
        const QColor translucent(0, 90, 255, 100);
        QTest::newRow("opaque") << red << true << true << false << red << red;
        // (0, 90, 255, 100) over black and over white
        QTest::newRow("translucent") << translucent << true << true << false << QColor(0, 35, 100)
                                     << QColor(155, 190, 255);
        QTest::newRow("no chessboard") << translucent << false << true << false << QColor(0, 90, 255)
                                       << QColor(0, 90, 255);
        QTest::newRow("disabled") << red << true << false << false << red.darker(200) << red.darker(200);
        QTest::newRow("hovered") << red << true << true << true << red.lighter(110) << red.lighter(110);
        QTest::newRow("hovered, disabled") << red << true << false << true << red.darker(200) << red.darker(200);
        // No swatch: the image under the flat button shows through.
        QTest::newRow("invalid") << QColor() << true << true << false << QColor(1, 2, 3) << QColor(1, 2, 3);
    }
    void swatchPaintsColourOverChessboard()
    {
        QFETCH(QColor, color);
        QFETCH(bool, chessboard);
        QFETCH(bool, enabled);
        QFETCH(bool, hovered);
        QFETCH(QColor, dark);
        QFETCH(QColor, light);
        QWidget window;
        auto *button = new ColorButton(color, &window);
        button->setFlat(true); // no bevel: only the swatch is painted
        button->setGeometry(20, 20, 120, 44);
        button->setProperty("CornerRadius", 6);
        button->setDrawAlphaChannelChessboard(chessboard);
        // Qt 6 enters the widget under the pointer as a window shows: start with the pointer off the button.
        QCursor::setPos(window.mapToGlobal(QPoint(2, 2)));
        QVERIFY(showExposed(window));
        QTest::mouseMove(&window, QPoint(2, 2));
        if (hovered) {
            QTest::mouseMove(button, button->rect().center());
        }
        QTRY_COMPARE(button->underMouse(), hovered);
        button->setEnabled(enabled);

        const QImage image = rendered(*button, QColor(1, 2, 3));
        QCOMPARE(button->getColor(), color); // drawing opaque leaves the alpha alone
        // Squares of 8 pixels centred on the swatch: dark ones top left and bottom right of the centre.
        const QPoint centre = button->rect().center();
        for (const QPoint &offset : {QPoint(-4, -4), QPoint(4, 4), QPoint(4, -4), QPoint(-4, 4)}) {
            QCOMPARE(colourMismatch(image.pixelColor(centre + offset), offset.x() == offset.y() ? dark : light, 2),
                     QString());
        }
    }

    void dialogAppliesOnlyTheAcceptedColour_data()
    {
        QTest::addColumn<ColorButton::ColorDialogMode>("mode");
        QTest::addColumn<QString>("close"); // what ends the open dialog
        QTest::newRow("dialog, accepted") << ColorButton::Dialog << "accept";
        QTest::newRow("dialog, rejected") << ColorButton::Dialog << "reject";
        QTest::newRow("dialog, button deleted") << ColorButton::Dialog << "delete";
        QTest::newRow("tool, accepted") << ColorButton::Tool << "accept";
        QTest::newRow("tool, button deleted") << ColorButton::Tool << "delete";
    }
    void dialogAppliesOnlyTheAcceptedColour()
    {
        QFETCH(ColorButton::ColorDialogMode, mode);
        QFETCH(QString, close);
        const QColor start(10, 20, 30, 128);
        QWidget window;
        QPointer<ColorButton> button = new ColorButton(start, &window);
        button->setGeometry(10, 10, 80, 30);
        button->setColorDialogMode(mode);
        QVERIFY(showExposed(window));
        QSignalSpy spy(button.data(), &ColorButton::colorChanged);

        QObject context;
        QPointer<QColorDialog> dialog;
        bool modal = false;
        QColor initial;
        poll(&context, [&] {
            if (!(dialog = button->findChild<QColorDialog *>()) || !dialog->isVisible()) {
                return false;
            }
            modal = dialog == QApplication::activeModalWidget();
            initial = dialog->currentColor();
            dialog->setCurrentColor(Qt::yellow); // browsing applies nothing
            dialog->setCurrentColor(QColor(40, 50, 60));
            if (close == QLatin1String("delete")) {
                delete button;
            } else {
                close == QLatin1String("accept") ? dialog->accept() : dialog->reject();
            }
            return true;
        });
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QTRY_VERIFY(initial.isValid());
        QTRY_VERIFY(!dialog); // gone once closed, or with its button
        QCOMPARE(modal, mode == ColorButton::Dialog);
        QCOMPARE(initial.rgba(), start.rgba());
        QCOMPARE(button.isNull(), close == QLatin1String("delete"));
        const bool accepted = close == QLatin1String("accept");
        QCOMPARE(spy, accepted ? QList<QVariantList>({{QColor(40, 50, 60)}}) : QList<QVariantList>());
        QVERIFY(!button || button->getColor().rgba() == (accepted ? QColor(40, 50, 60).rgba() : start.rgba()));
    }

    void setColorAnnouncesChangesAndPopupAppliesEveryBrowsedColour()
    {
        QWidget window;
        auto *button = new ColorButton(QColor(1, 2, 3, 200), &window);
        QSignalSpy spy(button, &ColorButton::colorChanged);
        // Set directly: only a change is announced, the alpha counts, an invalid colour is a colour.
        for (const QColor &color :
             {QColor(1, 2, 3, 200), QColor(1, 2, 3), QColor(1, 2, 3), QColor(), QColor(1, 2, 3, 200)}) {
            button->setColor(color);
            QCOMPARE(button->getColor(), color);
        }
        QCOMPARE(spy, (QList<QVariantList> {{QColor(1, 2, 3)}, {QColor()}, {QColor(1, 2, 3, 200)}}));
        spy.clear();
        button->setGeometry(10, 10, 80, 30);
        button->setColorDialogMode(ColorButton::Popup);
        QPointer<QMenu> menu = button->menu();
        QColorDialog *dialog = menu ? menu->findChild<QColorDialog *>() : nullptr;
        QVERIFY(dialog);
        QVERIFY(showExposed(window));

        // A click opens the menu with the dialog showing the button's colour; that is no change.
        bool opened = false;
        PopupWatcher watcher([&](QWidget *popup) {
            opened = popup == menu && dialog->isVisible() && dialog->currentColor().rgba() == button->getColor().rgba();
        });
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QTRY_VERIFY(opened);
        QCOMPARE(spy.count(), 0);

        // Every colour browsed in the dialog applies at once.
        for (const QColor &step : {QColor(60, 10, 10), QColor(120, 10, 10, 50)}) {
            dialog->setCurrentColor(step);
            QCOMPARE(button->getColor(), step);
            QCOMPARE(spy.last().at(0).value<QColor>(), step);
        }
        button->setAlphaChannelEnabled(false);
        QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));

        button->setColorDialogMode(ColorButton::Dialog);
        QVERIFY(!button->menu());
        QVERIFY(menu && menu->parent() == button); // detached, still owned
    }
};

QTEST_MAIN(tst_ButtonWidgets)
#include "tst_buttonwidgets.moc"
