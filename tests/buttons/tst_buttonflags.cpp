// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButton.h>
#include <ComponentsLibrary/ToolButton.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace Nalu::Components;

namespace {

const char *const flagNames[] = {"outline", "highlighted", "circular", "frameless"};

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Builds a button through one of the constructor overloads; flags[i] is the
// i-th flag argument.
std::unique_ptr<QWidget> makeButton(const QString &overload, const bool flags[4], QWidget *parent = nullptr)
{
    if (overload == QLatin1String("push")) {
        return std::make_unique<PushButton>(parent, flags[0], flags[1], flags[2], flags[3]);
    }
    if (overload == QLatin1String("push text")) {
        return std::make_unique<PushButton>(QStringLiteral("Save"), parent, flags[0], flags[1], flags[2], flags[3]);
    }
    if (overload == QLatin1String("push icon")) {
        return std::make_unique<PushButton>(QIcon(QPixmap(8, 8)), QStringLiteral("Save"), parent, flags[0], flags[1],
                                            flags[2], flags[3]);
    }
    return std::make_unique<ToolButton>(parent, flags[0], flags[1], flags[2], flags[3]);
}

// The flags as the ButtonBase getters report them, independent of the meta-object.
QVector<bool> baseFlags(QWidget *button)
{
    const ButtonBase *base = qobject_cast<PushButton *>(button);
    if (!base) {
        base = qobject_cast<ToolButton *>(button);
    }
    return {base->isOutline(), base->isHighlighted(), base->isCircular(), base->isFrameless()};
}

void addKindAndFlagRows()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("flag");
    for (const char *kind : {"push", "tool"}) {
        int f = 0;
        for (const char *flagName : flagNames) {
            // A tag built by hand: GCC's format check sees null arguments in this loop at -O3.
            const QByteArray tag = QByteArray(kind) + ' ' + flagName;
            QTest::newRow(tag.constData()) << QString::fromLatin1(kind) << f++;
        }
    }
}

} // namespace

class tst_ButtonFlags : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructorsStoreFlagsAndNothingElse_data();
    void constructorsStoreFlagsAndNothingElse();
    void writesNotifyAndRepaintOnlyOnChange_data();
    void writesNotifyAndRepaintOnlyOnChange();
    void assignmentCopiesAllFlags();
};

void tst_ButtonFlags::constructorsStoreFlagsAndNothingElse_data()
{
    QTest::addColumn<QString>("overload");
    QTest::addColumn<int>("flag");
    for (const char *overload : {"push", "push text", "push icon", "tool"}) {
        for (int f = 0; f < 4; ++f) {
            QTest::addRow("%s, %s", overload, flagNames[f]) << QString::fromLatin1(overload) << f;
        }
    }
}

void tst_ButtonFlags::constructorsStoreFlagsAndNothingElse()
{
    QFETCH(QString, overload);
    QFETCH(int, flag);
    bool flags[4] = {false, false, false, false};
    flags[flag] = true;
    QWidget parent;
    auto button = makeButton(overload, flags, &parent);
    QCOMPARE(button->parentWidget(), &parent);

    for (int f = 0; f < 4; ++f) {
        QCOMPARE(baseFlags(button.get()).at(f), f == flag);
        QCOMPARE(button->property(flagNames[f]).toBool(), f == flag);
    }
    // Nothing the style sheet could select on by accident, and no class-info
    // on these intermediate bases.
    QVERIFY(button->objectName().isEmpty());
    QVERIFY(button->dynamicPropertyNames().isEmpty());
    const QMetaObject *meta = button->metaObject();
    QCOMPARE(meta->classInfoCount() - meta->classInfoOffset(), 0);
}

void tst_ButtonFlags::writesNotifyAndRepaintOnlyOnChange_data()
{
    addKindAndFlagRows();
}

void tst_ButtonFlags::writesNotifyAndRepaintOnlyOnChange()
{
    QFETCH(QString, kind);
    QFETCH(int, flag);
    QWidget window;
    const bool none[4] = {false, false, false, false};
    QWidget *button = makeButton(kind, none, &window).release(); // owned by the window
    window.resize(120, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    button->installEventFilter(&counter);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
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
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);
    QVERIFY(button->setProperty(name.constData(), true));
    QCOMPARE(baseFlags(button).at(flag), true);
    QTRY_VERIFY(counter.count >= 1);
    QVERIFY(QMetaObject::invokeMethod(button, setter.constData(), Q_ARG(bool, true))); // unchanged
    QVERIFY(QMetaObject::invokeMethod(button, setter.constData(), Q_ARG(bool, false)));

    for (int f = 0; f < 4; ++f) {
        const QSignalSpy &spy = *spies[size_t(f)];
        QCOMPARE(spy.count(), f == flag ? 2 : 0);
        QCOMPARE(baseFlags(button).at(f), false);
    }
    QCOMPARE(spies[size_t(flag)]->at(0).at(0).toBool(), true);
    QCOMPARE(spies[size_t(flag)]->at(1).at(0).toBool(), false);
}

void tst_ButtonFlags::assignmentCopiesAllFlags()
{
    ButtonBase copied(false, true, false, true);
    const ButtonBase source(true, false, true, false);
    QCOMPARE(&(copied = source), &copied);
    QCOMPARE((QVector<bool> {copied.isOutline(), copied.isHighlighted(), copied.isCircular(), copied.isFrameless()}),
             (QVector<bool> {true, false, true, false}));
    QCOMPARE(&(copied = ButtonBase(false, true, false, true)), &copied); // each flag changes again
    QCOMPARE((QVector<bool> {copied.isOutline(), copied.isHighlighted(), copied.isCircular(), copied.isFrameless()}),
             (QVector<bool> {false, true, false, true}));
}

QTEST_MAIN(tst_ButtonFlags)
#include "tst_buttonflags.moc"
