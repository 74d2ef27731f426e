// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButtonBlink.h>
#include <ComponentsLibrary/ToolButtonBlink.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Nalu::Components;

namespace {

// The two blink looks get their own text colours, so the palette after a
// step shows whether the style sheet was re-evaluated.
const QRgb checkedColor = 0xaa0000;
const QRgb uncheckedColor = 0x00aa00;
const QRgb plainColor = 0x000000;

std::unique_ptr<QAbstractButton> makeBlinker(const QString &kind, QWidget *parent = nullptr)
{
    if (kind == QLatin1String("push")) {
        return std::make_unique<PushButtonBlink>(parent);
    }
    return std::make_unique<ToolButtonBlink>(parent);
}

QTimer *blinkTimer(QObject *button)
{
    return button->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
}

bool isBlinking(QObject *button)
{
    return button->property("blinking").toBool();
}

QRgb textColor(QWidget *button)
{
    return button->palette().color(QPalette::ButtonText).rgb() & 0xffffff;
}

// One blink step, as the timer would do it.
void step(QObject *button)
{
    QVERIFY(QMetaObject::invokeMethod(button, "blink"));
}

} // namespace

class tst_BlinkButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void constructedHighlightedAndBlinking_data();
    void constructedHighlightedAndBlinking();
    void stepsAlternateLooksAndRepolish_data() { kinds(); }
    void stepsAlternateLooksAndRepolish();
    void timerDrivesStepsEvery500ms_data() { kinds(); }
    void timerDrivesStepsEvery500ms();
    void setBlinkingNotifiesOnlyOnChange_data() { kinds(); }
    void setBlinkingNotifiesOnlyOnChange();
    void disablingPausesAndEnablingResumes_data() { kinds(); }
    void disablingPausesAndEnablingResumes();

private:
    void kinds();
    QWidget *m_window = nullptr;
};

void tst_BlinkButtons::init()
{
    m_window = new QWidget;
    m_window->setStyleSheet(QStringLiteral("QAbstractButton { color: #000000; }"
                                           "QAbstractButton[blink_checked=\"true\"] { color: #aa0000; }"
                                           "QAbstractButton[blink_unchecked=\"true\"] { color: #00aa00; }"));
}

void tst_BlinkButtons::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void tst_BlinkButtons::kinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("push") << QStringLiteral("push");
    QTest::newRow("tool") << QStringLiteral("tool");
}

void tst_BlinkButtons::constructedHighlightedAndBlinking_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("push") << QStringLiteral("push") << QStringLiteral("PushButtonBlink");
    QTest::newRow("tool") << QStringLiteral("tool") << QString();
}

void tst_BlinkButtons::constructedHighlightedAndBlinking()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    auto button = makeBlinker(kind);
    QCOMPARE(button->text(), text);
    QVERIFY(isBlinking(button.get()));
    QCOMPARE(button->property("highlighted").toBool(), true);
    QCOMPARE(button->property("outline").toBool(), false);
    QVERIFY(!button->property("blink_checked").isValid());
    QVERIFY(!button->property("blink_unchecked").isValid());
    QTimer *timer = blinkTimer(button.get());
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 500);

    const QMetaObject *meta = button->metaObject();
    QVERIFY(meta->indexOfClassInfo("description") >= meta->classInfoOffset());
    QVERIFY(meta->indexOfClassInfo("example") >= meta->classInfoOffset());
    QCOMPARE(meta->indexOfClassInfo("package"), -1);

    if (kind == QLatin1String("push")) {
        QPixmap pixmap(8, 8);
        PushButtonBlink withIcon(QIcon(pixmap), QStringLiteral("Go"), nullptr);
        PushButtonBlink withText(QStringLiteral("Next"), nullptr);
        QCOMPARE(withIcon.text(), QStringLiteral("Go"));
        QCOMPARE(withText.text(), QStringLiteral("Next"));
        QVERIFY(withIcon.isBlinking() && withText.isBlinking() && withText.isHighlighted());
    }
}

void tst_BlinkButtons::stepsAlternateLooksAndRepolish()
{
    QFETCH(QString, kind);
    auto button = makeBlinker(kind, m_window);
    blinkTimer(button.get())->stop(); // steps are driven by hand here
    button->ensurePolished();
    QCOMPARE(textColor(button.get()), plainColor);

    // The first step shows the unchecked look, then they alternate.
    const bool expectChecked[] = {false, true, false, true};
    for (bool checked : expectChecked) {
        step(button.get());
        QCOMPARE(button->property("blink_checked").toBool(), checked);
        QCOMPARE(button->property("blink_unchecked").toBool(), !checked);
        QCOMPARE(textColor(button.get()), checked ? checkedColor : uncheckedColor);
    }
}

void tst_BlinkButtons::timerDrivesStepsEvery500ms()
{
    QFETCH(QString, kind);
    auto button = makeBlinker(kind, m_window);
    QTRY_VERIFY_WITH_TIMEOUT(button->property("blink_unchecked").toBool(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(button->property("blink_checked").toBool(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(button->property("blink_unchecked").toBool(), 2000);
}

void tst_BlinkButtons::setBlinkingNotifiesOnlyOnChange()
{
    QFETCH(QString, kind);
    auto button = makeBlinker(kind, m_window);
    QSignalSpy spy(button.get(), SIGNAL(blinkingChanged(bool)));
    QTimer *timer = blinkTimer(button.get());
    const int runningTimer = timer->timerId();

    QVERIFY(button->setProperty("blinking", true)); // unchanged: the interval is not restarted
    QCOMPARE(timer->timerId(), runningTimer);
    QCOMPARE(spy.count(), 0);

    step(button.get());
    step(button.get()); // now showing the checked look
    QVERIFY(button->setProperty("blinking", false));
    QVERIFY(button->setProperty("blinking", false));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QVERIFY(!timer->isActive());
    // Stopping keeps the last look, re-polished.
    QCOMPARE(button->property("blink_checked").toBool(), true);
    QCOMPARE(textColor(button.get()), checkedColor);

    QVERIFY(button->setProperty("blinking", true));
    QVERIFY(timer->isActive());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), true);
}

void tst_BlinkButtons::disablingPausesAndEnablingResumes()
{
    QFETCH(QString, kind);
    auto button = makeBlinker(kind, m_window);
    QSignalSpy spy(button.get(), SIGNAL(blinkingChanged(bool)));
    QTimer *timer = blinkTimer(button.get());
    step(button.get());
    step(button.get()); // checked look, next step would be unchecked

    button->setEnabled(false);
    QVERIFY(!timer->isActive());
    QVERIFY(isBlinking(button.get()));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(button->property("blink_checked").toBool(), false);
    QCOMPARE(button->property("blink_unchecked").toBool(), true);

    button->setEnabled(true);
    QVERIFY(timer->isActive());
    // The phase was reset: the next step shows the unchecked look again.
    step(button.get());
    QCOMPARE(button->property("blink_unchecked").toBool(), true);
    step(button.get());
    QCOMPARE(button->property("blink_checked").toBool(), true);

    // Disabling through the parent pauses it too.
    m_window->setEnabled(false);
    QVERIFY(!timer->isActive());
    m_window->setEnabled(true);
    QVERIFY(timer->isActive());
    QCOMPARE(spy.count(), 0);

    // A disabled button can start blinking; a still one is not restarted by being enabled.
    button->setProperty("blinking", false);
    button->setEnabled(false);
    button->setProperty("blinking", true);
    QVERIFY(timer->isActive());
    button->setProperty("blinking", false);
    button->setEnabled(true);
    QVERIFY(!timer->isActive());
}

QTEST_MAIN(tst_BlinkButtons)
#include "tst_blinkbuttons.moc"
