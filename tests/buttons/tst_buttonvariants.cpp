#include <ComponentsLibrary/PushButtonCircular.h>
#include <ComponentsLibrary/PushButtonHighlighted.h>
#include <ComponentsLibrary/PushButtonPavo.h>
#include <ComponentsLibrary/ToolButtonCircular.h>
#include <ComponentsLibrary/ToolButtonHighlighted.h>
#include <ComponentsLibrary/ToolButtonPavo.h>

#include <QTest>

#include <functional>
#include <memory>

using namespace Nalu::Components;

namespace {

struct Variant
{
    const char *name;
    std::function<QAbstractButton *(QWidget *)> make;
    const char *defaultText; // nullptr: no text
    const char *flagOn; // the one flag constructed true; nullptr for the Pavo buttons
    bool hasExample;
};

const std::vector<Variant> &variants()
{
    static const std::vector<Variant> table = {
        {"PushButtonCircular", [](QWidget *p) { return new PushButtonCircular(p); }, "PushButtonCircular", "circular",
         true},
        {"ToolButtonCircular", [](QWidget *p) { return new ToolButtonCircular(p); }, "ToolButtonCircular", "circular",
         true},
        {"PushButtonHighlighted", [](QWidget *p) { return new PushButtonHighlighted(p); }, "PushButtonHighlighted",
         "highlighted", true},
        {"ToolButtonHighlighted", [](QWidget *p) { return new ToolButtonHighlighted(p); }, "...", "highlighted", true},
        {"PushButtonPavo", [](QWidget *p) { return new PushButtonPavo(p); }, nullptr, nullptr, false},
        {"ToolButtonPavo", [](QWidget *p) { return new ToolButtonPavo(p); }, nullptr, nullptr, false},
    };
    return table;
}

} // namespace

class tst_ButtonVariants : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parentConstructorFixesLookAndText_data();
    void parentConstructorFixesLookAndText();
    void textAndIconConstructorsKeepFlag_data();
    void textAndIconConstructorsKeepFlag();
};

void tst_ButtonVariants::parentConstructorFixesLookAndText_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < variants().size(); ++i) {
        QTest::newRow(variants()[i].name) << int(i);
    }
}

void tst_ButtonVariants::parentConstructorFixesLookAndText()
{
    QFETCH(int, row);
    const Variant &v = variants()[size_t(row)];
    QWidget parent;
    QAbstractButton *button = v.make(&parent);
    QCOMPARE(button->parentWidget(), &parent);
    QCOMPARE(button->text(), v.defaultText ? QString::fromLatin1(v.defaultText) : QString());

    if (v.flagOn) {
        for (const char *flag : {"outline", "highlighted", "circular", "frameless"}) {
            QCOMPARE(button->property(flag).toBool(), qstrcmp(flag, v.flagOn) == 0);
        }
        QVERIFY(button->dynamicPropertyNames().isEmpty());
        // The flag stays an ordinary, changeable property.
        QVERIFY(button->setProperty(v.flagOn, false));
        QCOMPARE(button->property(v.flagOn).toBool(), false);
    } else {
        // The Pavo buttons are plain Qt buttons: no flags, only the selector.
        QVERIFY(!button->property("outline").isValid());
        QVERIFY(!button->property("circular").isValid());
        QCOMPARE(button->dynamicPropertyNames(), QList<QByteArray> {"ButtonType"});
        QCOMPARE(button->property("ButtonType"), QVariant(QStringLiteral("Pavo")));
    }

    const QMetaObject *meta = button->metaObject();
    QCOMPARE(meta->classInfoCount() - meta->classInfoOffset(), v.hasExample ? 3 : 2);
    QCOMPARE(meta->classInfo(meta->indexOfClassInfo("package")).value(), "ComponentsLibrary");
    QVERIFY(meta->indexOfClassInfo("description") >= meta->classInfoOffset());
    QCOMPARE(meta->indexOfClassInfo("example") >= meta->classInfoOffset(), v.hasExample);
}

void tst_ButtonVariants::textAndIconConstructorsKeepFlag_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("circular") << QStringLiteral("circular");
    QTest::newRow("highlighted") << QStringLiteral("highlighted");
    QTest::newRow("pavo") << QStringLiteral("pavo");
}

void tst_ButtonVariants::textAndIconConstructorsKeepFlag()
{
    QFETCH(QString, kind);
    QWidget parent;
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::blue);
    const QIcon icon(pixmap);
    std::unique_ptr<QPushButton> withText;
    std::unique_ptr<QPushButton> withIcon;
    if (kind == QLatin1String("circular")) {
        withText = std::make_unique<PushButtonCircular>(QStringLiteral("Add"), &parent);
        withIcon = std::make_unique<PushButtonCircular>(icon, QString(), &parent);
    } else if (kind == QLatin1String("highlighted")) {
        withText = std::make_unique<PushButtonHighlighted>(QStringLiteral("Add"), &parent);
        withIcon = std::make_unique<PushButtonHighlighted>(icon, QString(), &parent);
    } else {
        withText = std::make_unique<PushButtonPavo>(QStringLiteral("Add"), &parent);
        withIcon = std::make_unique<PushButtonPavo>(icon, QString(), &parent);
    }
    QCOMPARE(withText->text(), QStringLiteral("Add"));
    QVERIFY(withIcon->text().isEmpty());
    QVERIFY(!withIcon->icon().isNull());
    for (QPushButton *button : {withText.get(), withIcon.get()}) {
        if (kind == QLatin1String("pavo")) {
            QCOMPARE(button->property("ButtonType"), QVariant(QStringLiteral("Pavo")));
        } else {
            QCOMPARE(button->property(kind.toLatin1().constData()).toBool(), true);
            QCOMPARE(button->property("outline").toBool(), false);
        }
    }
}

QTEST_MAIN(tst_ButtonVariants)
#include "tst_buttonvariants.moc"
