#include <ComponentsLibrary/PillLabel.h>
#include <ComponentsLibrary/UserConnector.h>

#include <vantor_common_models/User.h>
#include <vantor_common_models/UserConnectorModel.h>
#include <vantor_common_models/UserHelpers.h>
#include <vantor_common_utils/Helpers.h>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <memory>

using namespace Nalu::Components;
using Nalu::Models::User;
using Nalu::Models::UserConnectorModel;

namespace {

int countPixels(const QImage &image, const QRect &area, const QColor &color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == color.rgba() ? 1 : 0;
        }
    }
    return count;
}

QAction *logOutAction(UserConnector &button)
{
    const auto actions = button.findChildren<QAction *>();
    for (QAction *action : actions) {
        if (action->text() == QLatin1String("Log Out")) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

class tst_Display : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pillProperties();
    void pillPainting_data();
    void pillPainting();
    void connectorSignedOut_data();
    void connectorSignedOut();
    void connectorFlow();
    void connectorDeletions();
};

void tst_Display::pillProperties()
{
    PillLabel pill;
    const int small = pill.style()->pixelMetric(QStyle::PM_SmallIconSize);
    const int margin = pill.style()->pixelMetric(QStyle::PM_ButtonMargin);
    QCOMPARE(pill.property("Pill_Font"), QVariant(true));
    QCOMPARE(pill.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(!pill.getPillColor().isValid());
    QCOMPARE(pill.sizeHint(), QSize(2 * margin, small));
    QCOMPARE(pill.minimumSizeHint(), QSize(-1, small));
    QSignalSpy textSpy(&pill, &PillLabel::textChanged);
    QSignalSpy colorSpy(&pill, &PillLabel::pillColorChanged);
    for (int i = 0; i < 2; ++i) {
        pill.setText(QStringLiteral("Release candidate"));
        pill.setPillColor(Qt::darkCyan);
    }
    QCOMPARE(textSpy.size(), 1);
    QCOMPARE(colorSpy.size(), 1);
    QCOMPARE(colorSpy.at(0).at(0).value<QColor>(), QColor(Qt::darkCyan));
    QVERIFY(pill.sizeHint().width() > 2 * margin + 50); // the text widens the hint
    QCOMPARE(pill.sizeHint().width(),
             pill.fontMetrics().boundingRect(QStringLiteral("Release candidate")).width() + 2 * margin);
}

void tst_Display::pillPainting_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("enabled") << true;
    QTest::newRow("disabled") << false;
}

void tst_Display::pillPainting()
{
    QFETCH(bool, enabled);
    // A light pill: the text is dark on it, but would be light on the darkened pill.
    const QColor color(255, 230, 100);
    const QColor textColor = Nalu::Helpers::getReadableForegroundColor(color);
    QVERIFY(textColor != Nalu::Helpers::getReadableForegroundColor(color.darker(200)));
    PillLabel pill;
    pill.setText(QStringLiteral("HHHH"));
    pill.setPillColor(color);
    QFont font = pill.font();
    font.setPixelSize(12);
    font.setBold(true);
    pill.setFont(font);
    pill.setEnabled(enabled);
    pill.resize(120, 60); // taller than the pill
    const int h = pill.style()->pixelMetric(QStyle::PM_SmallIconSize);
    QImage image(pill.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    pill.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

    const QColor fill = enabled ? color : color.darker(200);
    QCOMPARE(image.pixel(h / 4 + 1, h / 2), fill.rgba()); // inside the left half circle
    QCOMPARE(image.pixel(119 - h / 4, h / 2), fill.rgba());
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0); // rounded corner
    QCOMPARE(image.pixelColor(119, h - 1).alpha(), 0);
    QCOMPARE(countPixels(image, QRect(0, h, 120, 60 - h), fill), 0); // nothing below the pill
    QVERIFY(countPixels(image, QRect(0, 0, 120, h), textColor) > 10);
}

void tst_Display::connectorSignedOut_data()
{
    QTest::addColumn<bool>("withModel");
    QTest::newRow("null model") << false;
    QTest::newRow("model without user") << true;
}

void tst_Display::connectorSignedOut()
{
    QFETCH(bool, withModel);
    UserConnectorModel model;
    UserConnector button(withModel ? &model : nullptr, nullptr);
    QCOMPARE(button.text(), QStringLiteral("Log In"));
    QCOMPARE(button.toolTip(), button.text());
    QVERIFY(!button.menu());
    QVERIFY(logOutAction(button));
    QVERIFY(!logOutAction(button)->isEnabled());
    QCOMPARE(button.property("ButtonType"), QVariant(QStringLiteral("UserConnector")));
    QCOMPARE(button.iconSize(), QSize(24, 24));
    QVERIFY(button.isFrameless() && !button.isOutline() && !button.isCircular() && !button.isHighlighted());
    QCOMPARE(button.popupMode(), QToolButton::InstantPopup);
    QCOMPARE(button.toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QCOMPARE(button.icon().cacheKey(), Nalu::Models::UserHelpers::getDefaultAvatar().cacheKey());

    QSignalSpy logIn(&button, &UserConnector::logInRequested);
    button.resize(120, 30);
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
    QCOMPARE(logIn.size(), 1);
}

void tst_Display::connectorFlow()
{
    UserConnectorModel model;
    User ada(QStringLiteral("Ada"), QStringLiteral("Lovelace"));
    User alan(QStringLiteral("Alan"), QStringLiteral("Turing"));
    model.setCurrentUser(&alan);
    UserConnector button(&model, nullptr);
    // A user already signed in is shown, but its renames are not followed.
    QCOMPARE(button.text(), QStringLiteral("Alan Turing"));
    alan.setFirstName(QStringLiteral("A."));
    QCOMPARE(button.text(), QStringLiteral("Alan Turing"));

    model.setCurrentUser(&ada);
    QCOMPARE(button.text(), QStringLiteral("Ada Lovelace"));
    QCOMPARE(button.icon().cacheKey(), ada.getAvatar().cacheKey());
    QVERIFY(button.menu());
    QVERIFY(button.menu()->actions().contains(logOutAction(button)));
    QVERIFY(logOutAction(button)->isEnabled());
    ada.setFirstName(QStringLiteral("Augusta"));
    QCOMPARE(button.text(), QStringLiteral("Augusta Lovelace"));
    ada.setLastName(QStringLiteral("King"));
    QCOMPARE(button.toolTip(), QStringLiteral("Augusta King"));
    alan.setLastName(QStringLiteral("T.")); // no longer followed
    QCOMPARE(button.text(), QStringLiteral("Augusta King"));

    QSignalSpy minimizedSpy(&button, &UserConnector::minimizedChanged);
    button.setMinimized(true);
    button.setMinimized(true);
    QCOMPARE(minimizedSpy.size(), 1);
    QCOMPARE(button.toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(button.text(), QStringLiteral("Augusta King"));

    // Log-out is announced while the user is still current, then the model is cleared.
    QList<const Nalu::Models::UserInterface *> userAtLogOut;
    connect(&button, &UserConnector::logOutRequested, this, [&] { userAtLogOut.append(model.getCurrentUser()); });
    logOutAction(button)->trigger();
    QCOMPARE(userAtLogOut, QList<const Nalu::Models::UserInterface *> {&ada});
    QVERIFY(!model.getCurrentUser());
    QCOMPARE(button.text(), QStringLiteral("Log In"));
    QCOMPARE(button.toolButtonStyle(), Qt::ToolButtonIconOnly);
    QVERIFY(!button.menu());
    QVERIFY(!logOutAction(button)->isEnabled());
}

void tst_Display::connectorDeletions()
{
    auto model = std::make_unique<UserConnectorModel>();
    auto user = std::make_unique<User>(QStringLiteral("Grace"), QStringLiteral("Hopper"));
    UserConnector button(model.get(), nullptr);
    model->setCurrentUser(user.get());
    QCOMPARE(button.text(), QStringLiteral("Grace Hopper"));
    user.reset(); // the model announces the loss of its user
    QCOMPARE(button.text(), QStringLiteral("Log In"));
    QVERIFY(!button.menu());

    User other(QStringLiteral("Edsger"), QStringLiteral("Dijkstra"));
    model->setCurrentUser(&other);
    QVERIFY(button.menu());
    model.reset(); // a deleted model counts as none
    QCOMPARE(button.text(), QStringLiteral("Log In"));
    QVERIFY(!button.menu());
    other.setFirstName(QStringLiteral("E. W."));
    QSignalSpy logOut(&button, &UserConnector::logOutRequested);
    logOutAction(button)->trigger(); // the handler runs without a model
    QCOMPARE(logOut.size(), 1);
    button.setModel(nullptr);
    button.setModel(nullptr);
    QCOMPARE(button.text(), QStringLiteral("Log In"));
}

QTEST_MAIN(tst_Display)
#include "tst_display.moc"
