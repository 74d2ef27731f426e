// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ErrorCheckBox.h>
#include <ComponentsLibrary/ErrorComboBox.h>
#include <ComponentsLibrary/ErrorLineEdit.h>
#include <ComponentsLibrary/FlowLayout.h>
#include <ComponentsLibrary/MinimizedScrollBar.h>
#include <ComponentsLibrary/PillLabel.h>
#include <ComponentsLibrary/PushButtonBlink.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/SwitchCheckBox.h>
#include <ComponentsLibrary/TabBarStretched.h>
#include <ComponentsLibrary/TabWidgetStretched.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>
#include <ComponentsLibrary/UserConnector.h>

#include <vantor_common_models/User.h>
#include <vantor_common_models/UserHelpers.h>
#include <vantor_common_utils/Helpers.h>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include "TestSupport.h"

#include <memory>

using namespace Nalu::Components;
using namespace TestSupport;
using Nalu::Models::User;
using Nalu::Models::UserConnectorModel;
using Sizes = QVector<QSize>;
using Rects = QVector<QRect>;
using Indexes = QVector<int>;
using UserList = QList<const Nalu::Models::UserInterface *>;

namespace {

// A widget-less item of a known size hint (half of it at least) that records where it was put.
struct FixedItem : QSpacerItem
{
    FixedItem(QSize size, bool empty = false)
        : QSpacerItem(size.width(), size.height(), QSizePolicy::Fixed, QSizePolicy::Fixed)
        , m_empty(empty)
    {
    }
    QSize minimumSize() const override { return sizeHint() / 2; }
    bool isEmpty() const override { return m_empty; }
    bool m_empty;
};

// Known metrics: layout spacings 13 and 9, a 13-pixel indicator (half = 6), the check indicator at (10, 5).
class MetricStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric pm, const QStyleOption *option, const QWidget *widget) const override
    {
        return pm == PM_LayoutHorizontalSpacing || pm == PM_IndicatorWidth ? 13
            : pm == PM_LayoutVerticalSpacing                               ? 9
                                             : QProxyStyle::pixelMetric(pm, option, widget);
    }
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        return element == SE_CheckBoxIndicator ? visualRect(option->direction, option->rect, QRect(10, 5, 13, 13))
                                               : QProxyStyle::subElementRect(element, option, widget);
    }
};

enum class Input { LineEdit, ComboBox, CheckBox };

std::unique_ptr<QWidget> makeInput(Input kind, QStyle *style)
{
    std::unique_ptr<QWidget> input(kind == Input::LineEdit
                                       ? static_cast<QWidget *>(new ErrorLineEdit(QStringLiteral("text"), nullptr))
                                       : kind == Input::ComboBox ? static_cast<QWidget *>(new ErrorComboBox)
                                                                 : new ErrorCheckBox(QStringLiteral("label"), nullptr));
    input->setStyle(style);
    input->setFixedSize(100, 30);
    return input;
}

void sendToolTip(QWidget *widget, const QPoint &pos)
{
    QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
    QVERIFY(QApplication::sendEvent(widget, &event)); // always consumed
}

QAction *logOut(UserConnector &button)
{
    return button.findChild<QAction *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

Q_DECLARE_METATYPE(Input)

class tst_Widgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsWrapWhenTheNextItemPassesTheRightEdge_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("margin");
        QTest::addColumn<Sizes>("sizes");
        QTest::addColumn<Indexes>("hidden"); // items that are empty, as hidden widgets are
        QTest::addColumn<Rects>("expected");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("rtl"); // rows fill from the right
        const QSize s(50, 20);
        const QRect a(0, 0, 50, 20), b(60, 0, 50, 20), c(0, 25, 50, 20);
        // Spacings are 10 horizontally and 5 vertically.
        QTest::newRow("right() is width - 1")
            << 170 << 0 << Sizes {s, s, s} << Indexes {} << Rects {a, b, c} << 45 << false;
        QTest::newRow("fits") << 171 << 0 << Sizes {s, s, s} << Indexes {} << Rects {a, b, {120, 0, 50, 20}} << 20
                              << false;
        QTest::newRow("oversized") << 100 << 0 << Sizes {{300, 30}, s} << Indexes {}
                                   << Rects {{0, 0, 300, 30}, {0, 35, 50, 20}} << 55 << false;
        QTest::newRow("hidden") << 150 << 0 << Sizes {s, s, s, s} << Indexes {1, 3} << Rects {a, {}, b, {}} << 20
                                << false;
        QTest::newRow("tallest sets row height")
            << 150 << 0 << Sizes {{50, 10}, {50, 40}, s} << Indexes {}
            << Rects {{0, 0, 50, 10}, {60, 0, 50, 40}, {0, 45, 50, 20}} << 65 << false;
        QTest::newRow("margins") << 164 << 7 << Sizes {s, s, s} << Indexes {}
                                 << Rects {{7, 7, 50, 20}, {67, 7, 50, 20}, {7, 32, 50, 20}} << 59 << false;
        QTest::newRow("empty") << 100 << 3 << Sizes {} << Indexes {} << Rects {} << 6 << false;
        QTest::newRow("right to left, margins")
            << 164 << 7 << Sizes {s, s, s, s} << Indexes {1}
            << Rects {{107, 7, 50, 20}, {}, {47, 7, 50, 20}, {107, 32, 50, 20}} << 59 << true;
    }
    void rowsWrapWhenTheNextItemPassesTheRightEdge()
    {
        QFETCH(int, width);
        QFETCH(int, margin);
        QFETCH(Sizes, sizes);
        QFETCH(Indexes, hidden);
        QFETCH(Rects, expected);
        QFETCH(bool, rtl);
        // A layout without a parent widget follows the application.
        QGuiApplication::setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        FlowLayout layout(margin, 10, 5);
        QVector<FixedItem *> items;
        for (const QSize &size : sizes) {
            items.append(new FixedItem(size, hidden.contains(items.size())));
            layout.addItem(items.last());
        }
        QTEST(layout.heightForWidth(width), "height");
        QVERIFY(items.isEmpty() || items.first()->geometry().isNull()); // asking the height places nothing
        layout.setGeometry(QRect(100, 40, width, 500)); // the rows keep their shape away from the origin
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items.at(i)->geometry(), expected.at(i).isNull() ? QRect() : expected.at(i).translated(100, 40));
        }
    }

    void spacingAndSizeHintsComeFromItemsParentOrStyle()
    {
        MetricStyle style;
        QWidget window;
        window.setStyle(&style);
        auto *layout = new FlowLayout(&window, 0);
        QWidget w[3];
        for (QWidget &widget : w) {
            widget.setFixedSize(40, 20);
            layout->addWidget(&widget);
        }
        layout->setGeometry(QRect(0, 0, 100, 100)); // the style's spacings 13 and 9
        QVERIFY(w[1].geometry() == QRect(53, 0, 40, 20) && w[2].geometry() == QRect(0, 29, 40, 20));

        QVBoxLayout outer; // nested: that layout's spacing; parentless: -1
        outer.setSpacing(7);
        auto *inner = new FlowLayout(4, -1, -1);
        QCOMPARE(inner->horizontalSpacing(), -1);
        outer.addLayout(inner);
        QCOMPARE(inner->verticalSpacing(), 7);
        inner->setParent(nullptr);
        const std::unique_ptr<FlowLayout> orphan(inner);
        QCOMPARE(orphan->sizeHint(), QSize(7, 7)); // invalid size plus twice the left and top margins
        // Then no one to ask and no widget in the items: the application style's gap, never negative.
        auto *first = new FixedItem(QSize(30, 50)), *second = new FixedItem(QSize(80, 10));
        auto *empty = new FixedItem(QSize(20, 60), true);
        for (QLayoutItem *item : QList<QLayoutItem *> {first, empty, second}) {
            orphan->addItem(item);
        }
        orphan->setGeometry(QRect(0, 0, 500, 100));
        const int gap = qApp->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal);
        QCOMPARE(second->geometry().x(), 4 + 30 + qMax(0, gap));
        QVERIFY(orphan->sizeHint() == QSize(88, 68) && orphan->minimumSize() == QSize(48, 38)); // empty ones too
        QVERIFY(!orphan->itemAt(-1) && !orphan->itemAt(3) && !orphan->takeAt(-1) && !orphan->takeAt(3));
        const std::unique_ptr<QLayoutItem> taken(orphan->takeAt(0));
        QVERIFY(taken.get() == first && orphan->count() == 2 && orphan->itemAt(0) == empty);
    }

    void parentHeightFollowsWidth()
    {
        // Fixed and Maximum policies follow, also for a parentless layout given to the widget later.
        for (const auto policy : {QSizePolicy::Fixed, QSizePolicy::Maximum, QSizePolicy::Preferred}) {
            for (const bool setLater : {false, true}) {
                QWidget top;
                auto *window = new QWidget(&top); // a child: no window minimum size gets in the way
                window->setSizePolicy(QSizePolicy::Preferred, policy);
                FlowLayout *layout = setLater ? new FlowLayout(0, 4, 4) : new FlowLayout(window, 0, 4, 4);
                if (setLater) {
                    window->setLayout(layout);
                }
                for (int i = 0; i < 6; ++i) {
                    layout->addWidget(new QWidget(window));
                    layout->itemAt(i)->widget()->setFixedSize(50, 30);
                }
                top.show();
                // One row of six, three rows of two, six rows of one.
                for (const auto &[width, h] : {std::pair(400, 30), std::pair(120, 98), std::pair(60, 200)}) {
                    window->resize(width, 300);
                    QCOMPARE(layout->heightForWidth(width), h);
                    const int height = window->height();
                    QVERIFY(policy == QSizePolicy::Maximum ? height <= h
                                                           : height == (policy == QSizePolicy::Fixed ? h : 300));
                    QCOMPARE(window->minimumHeight(), policy == QSizePolicy::Fixed ? h : 0);
                    QCOMPARE(window->maximumHeight(), policy == QSizePolicy::Preferred ? QWIDGETSIZE_MAX : h);
                }
            }
        }
    }

    // Switching the direction of the whole application while a menu pops up, value pop-ups show, a scroll bar
    // waits to shrink and then shrinks, and a button blinks: all goes on, and the flow layout refills its row.
    void directionSwitchesWhileThingsRun()
    {
        const auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
        QWidget window;
        auto *flow = new FlowLayout(&window, 0, 10, 5);
        auto *blink = new PushButtonBlink(QStringLiteral("Next"), nullptr);
        auto *slider = new RangeSlider;
        auto *bar = new MinimizedScrollBar(nullptr, Qt::Vertical);
        auto *popUp = new ToolButtonPopUp;
        popUp->setMenuWidget(new QLabel(QStringLiteral("menu")));
        for (QWidget *w : QWidgetList {blink, slider, bar, popUp}) {
            flow->addWidget(w);
        }
        slider->setFixedWidth(200);
        window.resize(600, 200);
        QVERIFY(showExposed(window));
        blink->setBlinking(true);
        const auto flip = [](int wait) {
            for (const Qt::LayoutDirection d : {Qt::RightToLeft, Qt::LeftToRight, Qt::RightToLeft}) {
                QApplication::setLayoutDirection(d);
                QTest::qWait(wait);
            }
        };
        // The menu's own loop runs while the direction flips; then it closes.
        QTimer::singleShot(50, popUp, [&] {
            flip(10);
            QApplication::activePopupWidget()->close();
        });
        popUp->showMenu();
        const QPoint between = slider->rect().center();
        QMouseEvent hover(QEvent::MouseMove, between, slider->mapToGlobal(between), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(slider, &hover);
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QApplication::sendEvent(bar, &enter);
        flip(40);
        QApplication::sendEvent(bar, &leave);
        QTest::qWait(1050);
        flip(60); // during the shrinking
        QVERIFY(blink->isBlinking());
        QTRY_VERIFY(blink->x() > slider->x()); // the row fills from the right
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QTRY_VERIFY(blink->x() < slider->x());
    }

    void themeSelectorsAreSetByEveryConstructor()
    {
        TabWidgetStretched tabs;
        QVERIFY(qobject_cast<TabBarStretched *>(tabs.tabBar()) && tabs.tabBar()->parent() == &tabs);
        TabBarStretched bar;
        SwitchCheckBox plainSwitch, textSwitch(QStringLiteral("Wi-Fi"), nullptr);
        PillLabel pill;
        UserConnector connector(nullptr, nullptr);
        for (const auto &[object, selector] : QList<QPair<QObject *, const char *>> {{&tabs, "stretched"},
                                                                                     {tabs.tabBar(), "stretched"},
                                                                                     {&bar, "stretched"},
                                                                                     {&plainSwitch, "switch"},
                                                                                     {&textSwitch, "switch"},
                                                                                     {&pill, "Pill_Font"}}) {
            QVERIFY2(object->property(selector).toBool(), selector);
        }
        QCOMPARE(connector.property("ButtonType"), QVariant(QStringLiteral("UserConnector")));
    }

    void errorStateAndMessageNotifyOnlyOnChange()
    {
        for (const Input kind : {Input::LineEdit, Input::ComboBox, Input::CheckBox}) {
            const auto input = makeInput(kind, nullptr);
            QVERIFY(kind == Input::LineEdit || input->hasMouseTracking()); // QLineEdit tracks the mouse by itself
            QVERIFY(!input->property("errorState").toBool() && !input->property("drawErrorIndicator").isValid()
                    && input->property("errorMessage") == QStringLiteral("Error"));
            QSignalSpy stateSpy(input.get(), SIGNAL(errorStateChanged(bool)));
            QSignalSpy messageSpy(input.get(), SIGNAL(errorMessageChanged(QString)));
            for (bool state : {true, true, false, false, true}) {
                input->setProperty("errorState", state);
                QCOMPARE(input->property("drawErrorIndicator"), QVariant(state));
            }
            QVERIFY(stateSpy.size() == 3 && stateSpy.at(1).at(0) == QVariant(false));
            input->setProperty("errorMessage", QStringLiteral("Too short"));
            input->setProperty("errorMessage", QStringLiteral("Too short"));
            QVERIFY(messageSpy.size() == 1 && messageSpy.at(0).at(0).toString() == QStringLiteral("Too short"));
        }
    }

    void errorToolTipOnlyOverTheIndicatorZone_data()
    {
        QTest::addColumn<Input>("kind");
        QTest::addColumn<bool>("rtl");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<bool>("expectError"); // without the error state, the plain tip everywhere
        // Line edit and combo box: the zone is QRect(87, 0, 12, 12), left of the last column.
        QTest::newRow("line edit, zone top-left") << Input::LineEdit << false << QPoint(87, 0) << true;
        QTest::newRow("line edit, last column") << Input::LineEdit << false << QPoint(99, 0) << false;
        QTest::newRow("line edit, left of zone") << Input::LineEdit << false << QPoint(86, 5) << false;
        QTest::newRow("combo box, zone bottom-right") << Input::ComboBox << false << QPoint(98, 11) << true;
        QTest::newRow("combo box, below zone") << Input::ComboBox << false << QPoint(90, 12) << false;
        // Check box: the zone hangs from its indicator, QRect(10, 5, 12, 12).
        QTest::newRow("check box, zone") << Input::CheckBox << false << QPoint(15, 10) << true;
        QTest::newRow("check box, widget corner") << Input::CheckBox << false << QPoint(90, 5) << false;
        // From right to left the zones are mirrored: QRect(1, 0, 12, 12); the check box's QRect(78, 5, 12, 12).
        QTest::newRow("line edit, right to left, zone") << Input::LineEdit << true << QPoint(1, 0) << true;
        QTest::newRow("line edit, right to left, first column") << Input::LineEdit << true << QPoint(0, 0) << false;
        QTest::newRow("check box, right to left, zone") << Input::CheckBox << true << QPoint(89, 16) << true;
        QTest::newRow("check box, right to left, left of zone") << Input::CheckBox << true << QPoint(77, 10) << false;
    }
    void errorToolTipOnlyOverTheIndicatorZone()
    {
        QFETCH(Input, kind);
        QFETCH(bool, rtl);
        QFETCH(QPoint, pos);
        QFETCH(bool, expectError);
        MetricStyle style;
        const auto input = makeInput(kind, &style);
        input->setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        input->setToolTip(QStringLiteral("Plain"));
        input->setProperty("errorMessage", QStringLiteral("Bad <b>value</b>"));
        input->setProperty("errorState", true);
        QVERIFY(showExposed(*input));
        if (kind == Input::CheckBox) { // before its first paint it does not know its indicator
            const auto unpainted = makeInput(kind, &style);
            unpainted->setProperty("errorState", true);
            unpainted->setLayoutDirection(input->layoutDirection());
            unpainted->setToolTip(QStringLiteral("Unpainted"));
            sendToolTip(unpainted.get(), pos);
            QCOMPARE(QToolTip::text(), QStringLiteral("Unpainted"));
            input->grab();
        }
        for (const bool error : {true, false}) {
            input->setProperty("errorState", error);
            sendToolTip(input.get(), pos);
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(),
                     error && expectError ? QStringLiteral("<p class=\"errorTooltip\">Bad <b>value</b></p>")
                                          : QStringLiteral("Plain"));
        }
        input->setToolTip(QString()); // then no ordinary tip: the tip hides
        sendToolTip(input.get(), QPoint(1, 29));
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void onlyFramelessEditDrawsErrorMarker()
    {
        MetricStyle style;
        for (const auto &[frame, rtl] : {std::pair(false, false), std::pair(true, false), std::pair(false, true)}) {
            ErrorLineEdit edit[2]; // without and with the error
            for (ErrorLineEdit &e : edit) {
                e.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
                e.setStyle(&style);
                e.setFixedSize(100, 30);
                e.setFrame(frame);
            }
            edit[1].setErrorState(true);
            const QImage without = edit[0].grab().toImage(), withError = edit[1].grab().toImage();
            // The 7 x 6 marker at x = 93..99 fills its top-right half only (mirrored from right to left: x = 0..6,
            // the top-left half); a framed edit draws nothing.
            const auto at = [rtl = rtl](int x, int y) { return QPoint(rtl ? 99 - x : x, y); };
            for (const QPoint &p : {at(99, 0), at(98, 1), at(97, 0)}) {
                QCOMPARE(withError.pixelColor(p) == QColor(Qt::red), !frame);
            }
            QVERIFY(withError.pixel(at(94, 4)) == without.pixel(at(94, 4))
                    && withError.pixel(at(92, 0)) == without.pixel(at(92, 0)));
            QCOMPARE(withError == without, frame);
        }
    }

    void switchStoresAndAnnouncesAlignment()
    {
        SwitchCheckBox box(QStringLiteral("Wi-Fi"), nullptr);
        QList<int> emitted;
        connect(&box, &SwitchCheckBox::textAlignmentChanged, this, [&](Qt::AlignmentFlag a) { emitted.append(a); });
        // Left is the default; beyond the three meant values, anything is stored and announced as given.
        for (int alignment : {int(Qt::AlignLeft), int(Qt::AlignRight), int(Qt::AlignRight), int(Qt::AlignHCenter), 7}) {
            box.setTextAlignment(alignment);
            QCOMPARE(int(box.getTextAlignment()), alignment);
        }
        QCOMPARE(emitted, (QList<int> {Qt::AlignRight, Qt::AlignHCenter, 7}));
    }

    void pillPaintsColourAndReadableText()
    {
        PillLabel pill;
        const int h = pill.style()->pixelMetric(QStyle::PM_SmallIconSize);
        const int margin = pill.style()->pixelMetric(QStyle::PM_ButtonMargin);
        QVERIFY(!pill.getPillColor().isValid() && pill.sizePolicy().verticalPolicy() == QSizePolicy::Fixed);
        QCOMPARE(pill.sizeHint(), QSize(2 * margin, h));
        QCOMPARE(pill.minimumSizeHint(), QSize(-1, h));
        // A light pill: the text is dark on it, but would be light on the darkened pill.
        const QColor color(255, 230, 100);
        const QColor textColor = Nalu::Helpers::getReadableForegroundColor(color);
        QVERIFY(textColor != Nalu::Helpers::getReadableForegroundColor(color.darker(200)));
        QSignalSpy textSpy(&pill, &PillLabel::textChanged);
        QSignalSpy colorSpy(&pill, &PillLabel::pillColorChanged);
        for (int i = 0; i < 2; ++i) {
            pill.setText(QStringLiteral("HHHH"));
            pill.setPillColor(color);
        }
        QVERIFY(textSpy.size() == 1 && colorSpy.size() == 1 && pill.sizeHint().width() > 2 * margin);
        pill.setStyleSheet(QStringLiteral("font: bold 12px"));
        pill.resize(120, 60); // taller than the pill
        for (const bool enabled : {true, false}) {
            pill.setEnabled(enabled);
            const QImage image = rendered(pill, Qt::transparent);
            const QColor fill = enabled ? color : color.darker(200);
            QCOMPARE(image.pixel(h / 4 + 1, h / 2), fill.rgba()); // inside the half circles
            QCOMPARE(image.pixel(119 - h / 4, h / 2), fill.rgba());
            QVERIFY(image.pixelColor(0, 0).alpha() == 0 && image.pixelColor(119, h - 1).alpha() == 0); // round ends
            QCOMPARE(countPixels(image.copy(0, h, 120, 60 - h), fill), 0); // nothing below the pill
            QVERIFY(countPixels(image.copy(0, 0, 120, h), textColor) > 10);
        }
    }

    void connectorFollowsCurrentUserAndLogsOut()
    {
        UserConnectorModel model;
        User ada(QStringLiteral("Ada"), QStringLiteral("Lovelace"));
        User alan(QStringLiteral("Alan"), QStringLiteral("Turing"));
        UserConnector button(nullptr, nullptr);
        // Without a model (or a user): a log-in button with the default avatar, and no menu.
        QVERIFY(button.text() == QStringLiteral("Log In") && button.toolTip() == button.text());
        QVERIFY(!button.menu() && logOut(button) && !logOut(button)->isEnabled());
        QVERIFY(button.iconSize() == QSize(24, 24) && button.isFrameless() && !button.isOutline());
        QCOMPARE(button.icon().cacheKey(), Nalu::Models::UserHelpers::getDefaultAvatar().cacheKey());
        QSignalSpy logIn(&button, &UserConnector::logInRequested);
        QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
        QCOMPARE(logIn.size(), 1);
        model.setCurrentUser(&alan);
        button.setModel(&model);
        QCOMPARE(button.text(), QStringLiteral("Alan Turing")); // shown, but its renames are not followed
        alan.setFirstName(QStringLiteral("A."));
        QCOMPARE(button.text(), QStringLiteral("Alan Turing"));
        model.setCurrentUser(&ada);
        QVERIFY(button.text() == QStringLiteral("Ada Lovelace")
                && button.icon().cacheKey() == ada.getAvatar().cacheKey());
        QVERIFY(button.menu() && button.menu()->actions().contains(logOut(button)) && logOut(button)->isEnabled());
        ada.setFirstName(QStringLiteral("Augusta"));
        QCOMPARE(button.text(), QStringLiteral("Augusta Lovelace"));
        ada.setLastName(QStringLiteral("King"));
        alan.setLastName(QStringLiteral("T.")); // no longer current
        QCOMPARE(button.toolTip(), QStringLiteral("Augusta King"));
        QSignalSpy minimizedSpy(&button, &UserConnector::minimizedChanged);
        button.setMinimized(true);
        button.setMinimized(true);
        QVERIFY(minimizedSpy.size() == 1 && button.toolButtonStyle() == Qt::ToolButtonIconOnly
                && button.text() == QStringLiteral("Augusta King"));
        // Log-out is announced while the user is still current, then the model is cleared.
        UserList userAtLogOut;
        connect(&button, &UserConnector::logOutRequested, this, [&] { userAtLogOut.append(model.getCurrentUser()); });
        logOut(button)->trigger();
        QCOMPARE(userAtLogOut, UserList {&ada});
        QVERIFY(!model.getCurrentUser() && !button.menu() && !logOut(button)->isEnabled());
        QVERIFY(button.text() == QStringLiteral("Log In") && button.toolButtonStyle() == Qt::ToolButtonIconOnly);
    }

    void connectorSurvivesDeletedUserAndModel()
    {
        auto model = std::make_unique<UserConnectorModel>();
        auto user = std::make_unique<User>(QStringLiteral("Grace"), QStringLiteral("Hopper"));
        UserConnector button(model.get(), nullptr);
        model->setCurrentUser(user.get());
        QCOMPARE(button.text(), QStringLiteral("Grace Hopper"));
        user.reset(); // the model announces the loss of its user
        QVERIFY(button.text() == QStringLiteral("Log In") && !button.menu());
        User other(QStringLiteral("Edsger"), QStringLiteral("Dijkstra"));
        model->setCurrentUser(&other);
        model.reset(); // a deleted model counts as none
        QVERIFY(button.text() == QStringLiteral("Log In") && !button.menu());
        other.setFirstName(QStringLiteral("E. W."));
        QSignalSpy logOutSpy(&button, &UserConnector::logOutRequested);
        logOut(button)->setEnabled(true); // Qt 6 ignores trigger() on a disabled action
        logOut(button)->trigger(); // the handler runs without a model
        QCOMPARE(logOutSpy.size(), 1);
        button.setModel(nullptr);
        button.setModel(nullptr);
    }
};

QTEST_MAIN(tst_Widgets)
#include "tst_widgets.moc"
