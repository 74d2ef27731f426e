// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButton.h>
#include <ComponentsLibrary/ToolButton.h>

#include <QSignalSpy>
#include <QTest>

#include "TestSupport.h"

#include <memory>
#include <vector>

using namespace Nalu::Components;

namespace {

const char *const flagNames[] = {"outline", "highlighted", "circular", "frameless"};

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

// A button built through one of the constructor overloads with only the flag argument `on` true.
QWidget *makeButton(const QString &overload, int on, QWidget *parent)
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

QString flagsOf(QWidget *button)
{
    auto *push = qobject_cast<PushButton *>(button);
    return flagsOf(push ? static_cast<const ButtonBase &>(*push) : *qobject_cast<ToolButton *>(button));
}

} // namespace

class tst_ButtonFlags : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructorsStoreFlagsAndNothingElse_data()
    {
        QTest::addColumn<QString>("overload");
        QTest::addColumn<int>("flag");
        for (const char *overload : {"push", "push text", "push icon", "tool"}) {
            for (int f = 0; f < 4; ++f) {
                QTest::addRow("%s, %s", overload, flagNames[f]) << QString::fromLatin1(overload) << f;
            }
        }
    }
    void constructorsStoreFlagsAndNothingElse()
    {
        QFETCH(QString, overload);
        QFETCH(int, flag);
        QWidget parent;
        QWidget *button = makeButton(overload, flag, &parent);
        QCOMPARE(button->parentWidget(), &parent);
        QCOMPARE(flagsOf(button), QLatin1String(flagNames[flag]));
        for (int f = 0; f < 4; ++f) {
            QCOMPARE(button->property(flagNames[f]).toBool(), f == flag);
        }
        // Nothing the style sheet could select on by accident, and no class-info on these intermediate bases.
        QVERIFY(button->objectName().isEmpty());
        QVERIFY(button->dynamicPropertyNames().isEmpty());
        QCOMPARE(button->metaObject()->classInfoCount() - button->metaObject()->classInfoOffset(), 0);
    }

    void writesNotifyAndRepaintOnlyOnChange_data() { constructorsStoreFlagsAndNothingElse_data(); }
    void writesNotifyAndRepaintOnlyOnChange()
    {
        QFETCH(QString, overload);
        QFETCH(int, flag);
        QWidget window;
        QWidget *button = makeButton(overload, -1, &window);
        window.resize(120, 60);
        QVERIFY(TestSupport::showExposed(window));
        PaintCounter counter;
        button->installEventFilter(&counter);
        const auto settle = [&counter] {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            return counter.count;
        };
        settle();
        counter.count = 0;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const char *name : flagNames) {
            spies.push_back(
                std::make_unique<QSignalSpy>(button, QByteArray(QByteArray("2") + name + "Changed(bool)").constData()));
            QVERIFY(spies.back()->isValid());
        }
        const QByteArray name = flagNames[flag];
        const QByteArray setter = "set" + name.left(1).toUpper() + name.mid(1);

        // The slot and QObject::setProperty are the same write.
        QVERIFY(QMetaObject::invokeMethod(button, setter.constData(), Q_ARG(bool, false))); // unchanged
        QCOMPARE(settle(), 0);
        QVERIFY(button->setProperty(name.constData(), true));
        QCOMPARE(flagsOf(button), QString::fromLatin1(name));
        QTRY_VERIFY(counter.count >= 1);
        QVERIFY(QMetaObject::invokeMethod(button, setter.constData(), Q_ARG(bool, true))); // unchanged
        QVERIFY(QMetaObject::invokeMethod(button, setter.constData(), Q_ARG(bool, false)));
        QCOMPARE(flagsOf(button), QString());
        QStringList emitted; // by the notify signals of all four flags
        for (int f = 0; f < 4; ++f) {
            for (const QVariantList &arguments : *spies[size_t(f)]) {
                emitted << QLatin1String(flagNames[f]) + QLatin1Char(' ') + arguments.at(0).toString();
            }
        }
        QCOMPARE(emitted.join(QLatin1String(", ")), QString::fromLatin1(name + " true, " + name + " false"));
    }

    void assignmentCopiesAllFlags()
    {
        ButtonBase copied(false, true, false, true);
        const ButtonBase source(true, false, true, false);
        QCOMPARE(&(copied = source), &copied);
        QCOMPARE(flagsOf(copied), QStringLiteral("outline circular"));
        QCOMPARE(&(copied = ButtonBase(false, true, false, true)), &copied); // each flag changes again
        QCOMPARE(flagsOf(copied), QStringLiteral("highlighted frameless"));
    }
};

QTEST_MAIN(tst_ButtonFlags)
#include "tst_buttonflags.moc"
