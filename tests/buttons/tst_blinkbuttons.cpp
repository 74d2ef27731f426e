// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButtonBlink.h>
#include <ComponentsLibrary/ToolButtonBlink.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Nalu::Components;

namespace {

// A polished blinking push or tool button in a window whose style sheet gives each blink look its own text colour,
// so that the palette after a step shows whether the style sheet was re-evaluated.
struct Fixture
{
    QWidget window;
    QAbstractButton *button = nullptr;
    QTimer *timer = nullptr;
    QSignalSpy *blinkingChanged = nullptr;

    explicit Fixture(bool push)
    {
        window.setStyleSheet(QStringLiteral("QAbstractButton { color: #000000; }"
                                            "QAbstractButton[blink_checked=\"true\"] { color: #ff0000; }"
                                            "QAbstractButton[blink_unchecked=\"true\"] { color: #00ff00; }"));
        button = push ? static_cast<QAbstractButton *>(new PushButtonBlink(&window)) : new ToolButtonBlink(&window);
        button->ensurePolished();
        timer = button->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        blinkingChanged = new QSignalSpy(button, SIGNAL(blinkingChanged(bool)));
    }
    ~Fixture() { delete blinkingChanged; }
    // One blink step, as the timer would do it.
    void step() { QVERIFY(QMetaObject::invokeMethod(button, "blink")); }
    // Which selector property is true: "checked", "unchecked", or "unset" for neither set.
    QString state() const
    {
        const QVariant checked = button->property("blink_checked"), unchecked = button->property("blink_unchecked");
        if (!checked.isValid() && !unchecked.isValid()) {
            return QStringLiteral("unset");
        }
        return checked.toBool() != unchecked.toBool() ? QLatin1String(checked.toBool() ? "checked" : "unchecked")
                                                      : QStringLiteral("both %1").arg(checked.toString());
    }
    // The state and the text colour that the style sheet gave it.
    QString look() const
    {
        const QColor colour = button->palette().color(QPalette::ButtonText);
        const char *name = colour == Qt::black ? "black"
            : colour == Qt::red                ? "red"
            : colour == Qt::green              ? "green"
                                               : "";
        return state() + QLatin1Char(' ') + (*name ? QLatin1String(name) : colour.name());
    }
};

} // namespace

class tst_BlinkButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructedHighlightedAndBlinking_data() { kinds(); }
    void constructedHighlightedAndBlinking()
    {
        QFETCH(bool, push);
        Fixture f(push);
        QCOMPARE(f.button->text(), push ? QStringLiteral("PushButtonBlink") : QString());
        QCOMPARE(QVariantList({f.button->property("blinking"), f.button->property("highlighted"),
                               f.button->property("outline")}),
                 QVariantList({true, true, false}));
        QCOMPARE(f.look(), QStringLiteral("unset black"));
        QVERIFY(f.timer);
        QVERIFY(f.timer->isActive());
        QCOMPARE(f.timer->interval(), 500);
        const QMetaObject *meta = f.button->metaObject();
        QVERIFY(meta->indexOfClassInfo("description") >= meta->classInfoOffset());
        QVERIFY(meta->indexOfClassInfo("example") >= meta->classInfoOffset());
        QCOMPARE(meta->indexOfClassInfo("package"), -1);
        if (push) {
            PushButtonBlink withIcon(QIcon(QPixmap(8, 8)), QStringLiteral("Go"), nullptr);
            PushButtonBlink withText(QStringLiteral("Next"), nullptr);
            QCOMPARE(withIcon.text() + QLatin1Char(' ') + withText.text(), QStringLiteral("Go Next"));
            QVERIFY(withIcon.isBlinking() && withText.isBlinking() && withText.isHighlighted());
        }
    }

    void stepsAlternateLooksAndRepolish_data() { kinds(); }
    void stepsAlternateLooksAndRepolish()
    {
        QFETCH(bool, push);
        Fixture f(push);
        f.timer->stop(); // steps are driven by hand here
        QStringList looks; // the first step shows the unchecked look, then they alternate
        for (int i = 0; i < 4; ++i) {
            f.step();
            looks << f.look();
        }
        QCOMPARE(looks.join(QLatin1String(", ")),
                 QStringLiteral("unchecked green, checked red, unchecked green, checked red"));
    }

    void timerDrivesStepsEvery500ms_data() { kinds(); }
    void timerDrivesStepsEvery500ms()
    {
        QFETCH(bool, push);
        Fixture f(push);
        for (const char *look : {"unchecked green", "checked red", "unchecked green"}) {
            QTRY_COMPARE_WITH_TIMEOUT(f.look(), QLatin1String(look), 2000);
        }
    }

    void setBlinkingNotifiesOnlyOnChange_data() { kinds(); }
    void setBlinkingNotifiesOnlyOnChange()
    {
        QFETCH(bool, push);
        Fixture f(push);
        const int runningTimer = f.timer->timerId();
        QVERIFY(f.button->setProperty("blinking", true)); // unchanged: the interval is not restarted
        QCOMPARE(f.timer->timerId(), runningTimer);
        f.step();
        f.step(); // now showing the checked look
        QVERIFY(f.button->setProperty("blinking", false));
        QVERIFY(f.button->setProperty("blinking", false));
        QVERIFY(!f.timer->isActive());
        QCOMPARE(f.look(), QStringLiteral("checked red")); // stopping keeps the last look, re-polished
        QVERIFY(f.button->setProperty("blinking", true));
        QVERIFY(f.timer->isActive());
        QCOMPARE(*f.blinkingChanged, QList<QVariantList>({{false}, {true}}));
    }

    void disablingPausesAndEnablingResumes_data() { kinds(); }
    void disablingPausesAndEnablingResumes()
    {
        QFETCH(bool, push);
        Fixture f(push);
        f.step();
        f.step(); // checked look, next step would be unchecked
        f.button->setEnabled(false);
        QVERIFY(!f.timer->isActive());
        QVERIFY(f.button->property("blinking").toBool());
        QCOMPARE(f.state(), QStringLiteral("unchecked"));
        f.button->setEnabled(true);
        QVERIFY(f.timer->isActive());
        f.step();
        QCOMPARE(f.look(), QStringLiteral("unchecked green")); // next step would be checked
        // Disabling through the parent pauses it too, and resets the phase: the next step shows the unchecked look
        // again, then the checked one.
        f.window.setEnabled(false);
        QVERIFY(!f.timer->isActive());
        f.window.setEnabled(true);
        QVERIFY(f.timer->isActive());
        f.step();
        QCOMPARE(f.look(), QStringLiteral("unchecked green"));
        f.step();
        QCOMPARE(f.look(), QStringLiteral("checked red"));
        QCOMPARE(f.blinkingChanged->count(), 0);
        // A disabled button can start blinking; a still one is not restarted by being enabled.
        f.button->setProperty("blinking", false);
        f.button->setEnabled(false);
        f.button->setProperty("blinking", true);
        QVERIFY(f.timer->isActive());
        f.button->setProperty("blinking", false);
        f.button->setEnabled(true);
        QVERIFY(!f.timer->isActive());
    }

private:
    void kinds()
    {
        QTest::addColumn<bool>("push"); // else a tool button
        QTest::newRow("push") << true;
        QTest::newRow("tool") << false;
    }
};

QTEST_MAIN(tst_BlinkButtons)
#include "tst_blinkbuttons.moc"
