// SPDX-License-Identifier: MIT
// The flag-carrying, semantic, variant and blinking buttons: constructors, flags, style-sheet selectors, blinking.

#include <ComponentsLibrary/ButtonConfig.h>
#include <ComponentsLibrary/ButtonDanger.h>
#include <ComponentsLibrary/ButtonInfo.h>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/ButtonSecondary.h>
#include <ComponentsLibrary/ButtonSuccess.h>
#include <ComponentsLibrary/ButtonTertiary.h>
#include <ComponentsLibrary/ButtonWarning.h>
#include <ComponentsLibrary/PushButtonBlink.h>
#include <ComponentsLibrary/PushButtonCircular.h>
#include <ComponentsLibrary/PushButtonHighlighted.h>
#include <ComponentsLibrary/PushButtonPavo.h>
#include <ComponentsLibrary/ToolButtonBlink.h>
#include <ComponentsLibrary/ToolButtonCircular.h>
#include <ComponentsLibrary/ToolButtonHighlighted.h>
#include <ComponentsLibrary/ToolButtonPavo.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "TestSupport.h"

#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

using namespace Nalu::Components;

namespace {

const char *const flagNames[] = {"outline", "highlighted", "circular", "frameless"};

// A button built through its constructor taking the parent only (0), a text (1), or an icon and an empty text (2);
// null for a constructor the class does not have.
template<typename T>
QAbstractButton *make(int constructor, QWidget *parent)
{
    if constexpr (std::is_constructible_v<T, const QString &, QWidget *>) {
        if (constructor > 0) {
            return constructor == 1 ? new T(QStringLiteral("Delete all"), parent)
                                    : new T(QIcon(QPixmap(16, 16)), QString(), parent);
        }
    }
    return constructor == 0 ? new T(parent) : nullptr;
}

// What the style sheet can select on: the boolean properties that are on, then every dynamic property by name
// (a value that is no string says its type).
QString look(const QObject *button)
{
    QStringList parts;
    for (const char *flag : {"outline", "highlighted", "circular", "frameless", "blinking"}) {
        if (button->property(flag).toBool()) {
            parts << QLatin1String(flag);
        }
    }
    QList<QByteArray> names = button->dynamicPropertyNames();
    std::sort(names.begin(), names.end());
    for (const QByteArray &name : names) {
        const QVariant value = button->property(name);
        const QString type = value.userType() == QMetaType::QString ? QString() : QLatin1String(value.typeName());
        parts << QStringLiteral("[%1=\"%2\"%3]").arg(QLatin1String(name), value.toString(), type);
    }
    return parts.join(QLatin1Char(' '));
}

// The names of the flags that are on, as the ButtonBase getters report them (independent of the meta-object).
QString flagsOf(const ButtonBase &b)
{
    const bool on[4] = {b.isOutline(), b.isHighlighted(), b.isCircular(), b.isFrameless()};
    QStringList names;
    for (int f = 0; f < 4; ++f) {
        if (on[f]) {
            names << QLatin1String(flagNames[f]);
        }
    }
    return names.join(QLatin1Char(' '));
}

// A PushButton through one of its constructor overloads, or a ToolButton, with only the flag `on` true.
QAbstractButton *makeFlagged(const QString &overload, int on, QWidget *parent)
{
    const bool f[4] = {on == 0, on == 1, on == 2, on == 3};
    if (overload == QLatin1String("push")) {
        return new PushButton(parent, f[0], f[1], f[2], f[3]);
    }
    if (overload == QLatin1String("push text")) {
        return new PushButton(QStringLiteral("Save"), parent, f[0], f[1], f[2], f[3]);
    }
    if (overload == QLatin1String("push icon")) {
        return new PushButton(QIcon(QPixmap(8, 8)), QStringLiteral("Save"), parent, f[0], f[1], f[2], f[3]);
    }
    return new ToolButton(parent, f[0], f[1], f[2], f[3]);
}

QString flagsOf(QAbstractButton *button)
{
    auto *push = qobject_cast<PushButton *>(button);
    return flagsOf(push ? static_cast<const ButtonBase &>(*push) : *qobject_cast<ToolButton *>(button));
}

// Translates a text only in the context of the class under test, so a wrong context leaves it untranslated.
struct ContextTranslator : QTranslator
{
    QByteArray context;
    QString translate(const char *c, const char *source, const char *, int) const override
    {
        return context == c ? QStringLiteral("<%1>").arg(QLatin1String(source)) : QString();
    }
    bool isEmpty() const override { return false; }
};

const struct Class
{
    const char *name;
    QAbstractButton *(*make)(int, QWidget *);
    const char *text; // the default text before translation; nullptr: none
    const char *look;
    const char *classInfo; // the keys of the class's own class-info
} classes[] = {
    {"PushButton", make<PushButton>, nullptr, "", ""},
    {"ToolButton", make<ToolButton>, nullptr, "", ""},
    {"PushButtonCircular", make<PushButtonCircular>, "PushButtonCircular", "circular", "description example package"},
    {"ToolButtonCircular", make<ToolButtonCircular>, "ToolButtonCircular", "circular", "description example package"},
    {"PushButtonHighlighted", make<PushButtonHighlighted>, "PushButtonHighlighted", "highlighted",
     "description example package"},
    {"ToolButtonHighlighted", make<ToolButtonHighlighted>, "...", "highlighted", "description example package"},
    {"PushButtonPavo", make<PushButtonPavo>, nullptr, "[ButtonType=\"Pavo\"]", "description package"},
    {"ToolButtonPavo", make<ToolButtonPavo>, nullptr, "[ButtonType=\"Pavo\"]", "description package"},
    {"PushButtonBlink", make<PushButtonBlink>, "PushButtonBlink", "highlighted blinking", "description example"},
    {"ToolButtonBlink", make<ToolButtonBlink>, nullptr, "highlighted blinking", "description example"},
    {"ButtonPriority", make<ButtonPriority>, nullptr, "[ButtonType=\"Priority\"]", ""},
    {"ButtonStatus", make<ButtonStatus>, nullptr, "[ButtonType=\"Status\"]", ""},
    {"ButtonPrimary", make<ButtonPrimary>, "Primary", "[ButtonType=\"Priority\"] [Order=\"Primary\"]",
     "description package"},
    {"ButtonSecondary", make<ButtonSecondary>, "Secondary", "[ButtonType=\"Priority\"] [Order=\"Secondary\"]",
     "description package"},
    {"ButtonTertiary", make<ButtonTertiary>, "Tertiary", "[ButtonType=\"Priority\"] [Order=\"Tertiary\"]",
     "description package"},
    {"ButtonConfig", make<ButtonConfig>, "Config", "[ButtonType=\"Status\"] [Status=\"Config\"]",
     "description package"},
    {"ButtonDanger", make<ButtonDanger>, "Danger", "[ButtonType=\"Status\"] [Status=\"Danger\"]",
     "description package"},
    {"ButtonInfo", make<ButtonInfo>, "Info", "[ButtonType=\"Status\"] [Status=\"Info\"]", "description package"},
    {"ButtonSuccess", make<ButtonSuccess>, "Success", "[ButtonType=\"Status\"] [Status=\"Success\"]",
     "description package"},
    {"ButtonWarning", make<ButtonWarning>, "Warning", "[ButtonType=\"Status\"] [Status=\"Warning\"]",
     "description package"},
};

// Counts the paint events a widget receives.
struct PaintCounter : QObject
{
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A polished blinking push or tool button in a window whose style sheet gives each blink look its own text colour,
// so that the palette after a step shows whether the style sheet was re-evaluated.
struct BlinkFixture
{
    QWidget window;
    QAbstractButton *button = nullptr;
    QTimer *timer = nullptr;
    std::unique_ptr<QSignalSpy> blinkingChanged;

    explicit BlinkFixture(bool push)
    {
        window.setStyleSheet(QStringLiteral("QAbstractButton { color: #000000; }"
                                            "QAbstractButton[blink_checked=\"true\"] { color: #ff0000; }"
                                            "QAbstractButton[blink_unchecked=\"true\"] { color: #00ff00; }"));
        button = push ? static_cast<QAbstractButton *>(new PushButtonBlink(&window)) : new ToolButtonBlink(&window);
        button->ensurePolished();
        timer = button->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        blinkingChanged = std::make_unique<QSignalSpy>(button, SIGNAL(blinkingChanged(bool)));
    }
    // One blink step, as the timer would do it.
    void step() { QVERIFY(QMetaObject::invokeMethod(button, "blink")); }
    // Which selector property is true ("checked", "unchecked", "unset") and the text colour the style sheet gave.
    QString look() const
    {
        const QVariant checked = button->property("blink_checked"), unchecked = button->property("blink_unchecked");
        const QString state = !checked.isValid() && !unchecked.isValid() ? QStringLiteral("unset")
            : checked.toBool() != unchecked.toBool() ? QLatin1String(checked.toBool() ? "checked" : "unchecked")
                                                     : QStringLiteral("both %1").arg(checked.toString());
        const QColor colour = button->palette().color(QPalette::ButtonText);
        const char *name = colour == Qt::black ? "black"
            : colour == Qt::red                ? "red"
            : colour == Qt::green              ? "green"
                                               : "another colour";
        return state + QLatin1Char(' ') + QLatin1String(name);
    }
};

} // namespace

class tst_Buttons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructorsSetTextLookClassInfoAndSelectors_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < std::size(classes); ++i) {
            QTest::newRow(classes[i].name) << int(i);
        }
    }
    void constructorsSetTextLookClassInfoAndSelectors()
    {
        QFETCH(int, row);
        const Class &c = classes[row];
        QWidget parent;
        ContextTranslator translator;
        translator.context = QByteArray("Nalu::Components::") + c.name;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QAbstractButton *plain = c.make(0, &parent);
        QCoreApplication::removeTranslator(&translator);
        const QMetaObject *meta = plain->metaObject();
        QCOMPARE(meta->className(), translator.context);
        QCOMPARE(plain->text(), c.text ? QStringLiteral("<%1>").arg(QLatin1String(c.text)) : QString());
        QStringList keys;
        for (int i = meta->classInfoOffset(); i < meta->classInfoCount(); ++i) {
            keys << QLatin1String(meta->classInfo(i).name());
        }
        keys.sort();
        QCOMPARE(keys.join(QLatin1Char(' ')), QLatin1String(c.classInfo));
        if (keys.contains(QLatin1String("package"))) {
            QCOMPARE(meta->classInfo(meta->indexOfClassInfo("package")).value(), "ComponentsLibrary");
        }
        // The text and icon constructors give the same look; an explicit empty text is not replaced by the default.
        QAbstractButton *withText = c.make(1, &parent), *withIcon = c.make(2, &parent);
        for (QAbstractButton *button : {plain, withText, withIcon}) {
            if (button) {
                QCOMPARE(button->parentWidget(), &parent);
                QCOMPARE(look(button), QLatin1String(c.look));
            }
        }
        if (withText) {
            QCOMPARE(withText->text(), QStringLiteral("Delete all"));
            QVERIFY(withIcon->text().isEmpty() && !withIcon->icon().isNull());
        }
        if (c.look[0] == '[') { // the style sheet sees the selector properties when it first polishes the button
            parent.setStyleSheet(QStringLiteral("QAbstractButton%1 { color: #123456; }")
                                     .arg(QString::fromLatin1(c.look).remove(QLatin1Char(' '))));
            QAbstractButton *button = c.make(0, &parent);
            button->ensurePolished();
            QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(0x123456));
        }
    }

    void flagsKeepConstructorOrderAndWritesNotifyOnlyOnChange_data()
    {
        QTest::addColumn<QString>("overload");
        for (const char *overload : {"push", "push text", "push icon", "tool"}) {
            QTest::newRow(overload) << QString::fromLatin1(overload);
        }
    }
    void flagsKeepConstructorOrderAndWritesNotifyOnlyOnChange()
    {
        QFETCH(QString, overload);
        for (int flag = 0; flag < 4; ++flag) { // the constructor flags keep their order
            std::unique_ptr<QAbstractButton> button(makeFlagged(overload, flag, nullptr));
            QCOMPARE(flagsOf(button.get()), QLatin1String(flagNames[flag]));
            QCOMPARE(look(button.get()), QLatin1String(flagNames[flag])); // the properties read the same
        }
        QWidget window;
        QAbstractButton *button = makeFlagged(overload, -1, &window);
        window.resize(120, 60);
        QVERIFY(TestSupport::showExposed(window));
        PaintCounter counter;
        button->installEventFilter(&counter);
        const auto settle = [&counter] {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            return std::exchange(counter.count, 0);
        };
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const char *name : flagNames) {
            spies.push_back(
                std::make_unique<QSignalSpy>(button, QByteArray(QByteArray("2") + name + "Changed(bool)").constData()));
        }
        QStringList expected;
        for (const QByteArray name : flagNames) {
            const QByteArray setter = "set" + name.left(1).toUpper() + name.mid(1);
            settle();
            // The slot and QObject::setProperty are the same write.
            QVERIFY(QMetaObject::invokeMethod(button, setter.constData(), Q_ARG(bool, false))); // unchanged
            QCOMPARE(settle(), 0);
            QVERIFY(button->setProperty(name.constData(), true));
            QCOMPARE(flagsOf(button), QString::fromLatin1(name));
            QTRY_VERIFY(counter.count >= 1);
            QVERIFY(QMetaObject::invokeMethod(button, setter.constData(), Q_ARG(bool, true))); // unchanged
            QVERIFY(QMetaObject::invokeMethod(button, setter.constData(), Q_ARG(bool, false)));
            QCOMPARE(flagsOf(button), QString());
            expected << QString::fromLatin1(name + " true") << QString::fromLatin1(name + " false");
        }
        QStringList emitted; // by the notify signals of all four flags
        for (int f = 0; f < 4; ++f) {
            for (const QVariantList &arguments : *spies[size_t(f)]) {
                emitted << QLatin1String(flagNames[f]) + QLatin1Char(' ') + arguments.at(0).toString();
            }
        }
        QCOMPARE(emitted, expected);
    }

    void assignmentCopiesAllFlags()
    {
        ButtonBase copied(false, true, false, true);
        QCOMPARE(&(copied = ButtonBase(true, false, true, false)), &copied);
        QCOMPARE(flagsOf(copied), QStringLiteral("outline circular"));
        QCOMPARE(&(copied = ButtonBase(false, true, false, true)), &copied); // each flag changes again
        QCOMPARE(flagsOf(copied), QStringLiteral("highlighted frameless"));
    }

    void blinkStepsAlternateLooksOnTheTimer_data() { blinkKinds(); }
    void blinkStepsAlternateLooksOnTheTimer()
    {
        QFETCH(bool, push);
        BlinkFixture f(push);
        QCOMPARE(f.look(), QStringLiteral("unset black"));
        QVERIFY(f.timer && f.timer->isActive());
        QCOMPARE(f.timer->interval(), 500);
        f.timer->stop();
        QStringList looks; // the first step shows the unchecked look, then they alternate
        for (int i = 0; i < 3; ++i) {
            f.step();
            looks << f.look();
        }
        QCOMPARE(looks.join(QLatin1String(", ")), QStringLiteral("unchecked green, checked red, unchecked green"));
        f.timer->start();
        for (const char *look : {"checked red", "unchecked green"}) {
            QTRY_COMPARE_WITH_TIMEOUT(f.look(), QLatin1String(look), 2000);
        }
    }

    void blinkingAndEnablingStartAndStopTheTimer_data() { blinkKinds(); }
    void blinkingAndEnablingStartAndStopTheTimer()
    {
        QFETCH(bool, push);
        BlinkFixture f(push);
        const int runningTimer = f.timer->timerId();
        QVERIFY(f.button->setProperty("blinking", true)); // unchanged: the interval is not restarted
        QCOMPARE(f.timer->timerId(), runningTimer);
        f.step();
        f.step(); // checked look, next step would be unchecked
        // Disabling pauses on the unchecked look; enabling resumes.
        f.button->setEnabled(false);
        QVERIFY(!f.timer->isActive());
        QVERIFY(f.button->property("blinking").toBool());
        QCOMPARE(f.look().section(QLatin1Char(' '), 0, 0), QStringLiteral("unchecked"));
        f.button->setEnabled(true);
        QVERIFY(f.timer->isActive());
        f.step();
        QCOMPARE(f.look(), QStringLiteral("unchecked green")); // next step would be checked
        // Disabling through the parent pauses too and resets the phase: unchecked again, then checked.
        f.window.setEnabled(false);
        QVERIFY(!f.timer->isActive());
        f.window.setEnabled(true);
        QVERIFY(f.timer->isActive());
        f.step();
        QCOMPARE(f.look(), QStringLiteral("unchecked green"));
        f.step();
        QCOMPARE(f.look(), QStringLiteral("checked red"));
        QCOMPARE(f.blinkingChanged->count(), 0);
        // Stopping keeps the last look, re-polished; a repeated write is no change.
        QVERIFY(f.button->setProperty("blinking", false));
        QVERIFY(f.button->setProperty("blinking", false));
        QVERIFY(!f.timer->isActive());
        QCOMPARE(f.look(), QStringLiteral("checked red"));
        // A disabled button can start blinking; a still one is not restarted by being enabled.
        f.button->setEnabled(false);
        f.button->setProperty("blinking", true);
        QVERIFY(f.timer->isActive());
        f.button->setProperty("blinking", false);
        f.button->setEnabled(true);
        QVERIFY(!f.timer->isActive());
        QCOMPARE(*f.blinkingChanged, QList<QVariantList>({{false}, {true}, {false}}));
    }

private:
    static void blinkKinds()
    {
        QTest::addColumn<bool>("push"); // else a tool button
        QTest::newRow("push") << true;
        QTest::newRow("tool") << false;
    }
};

QTEST_MAIN(tst_Buttons)
#include "tst_buttons.moc"
