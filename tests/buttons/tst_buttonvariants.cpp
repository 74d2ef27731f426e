// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButtonCircular.h>
#include <ComponentsLibrary/PushButtonHighlighted.h>
#include <ComponentsLibrary/PushButtonPavo.h>
#include <ComponentsLibrary/ToolButtonCircular.h>
#include <ComponentsLibrary/ToolButtonHighlighted.h>
#include <ComponentsLibrary/ToolButtonPavo.h>

#include <QTest>

#include <functional>

using namespace Nalu::Components;

namespace {

using TextOrIconFactory = std::function<QAbstractButton *(const QIcon *, QWidget *)>;

struct Variant
{
    const char *name;
    std::function<QAbstractButton *(QWidget *)> make;
    const char *defaultText; // nullptr: no text
    const char *flagOn; // the one flag constructed true; nullptr for the Pavo buttons
    bool hasExample;
    TextOrIconFactory textOrIcon; // the push buttons' constructor with text "Add", or with an icon and no text
};

template<typename T>
TextOrIconFactory textOrIcon()
{
    return [](const QIcon *icon, QWidget *p) -> QAbstractButton * {
        return icon ? new T(*icon, QString(), p) : new T(QStringLiteral("Add"), p);
    };
}

// What the style sheet selects on.
QVariantList look(const QAbstractButton *button)
{
    QVariantList result {button->dynamicPropertyNames().join(' ')};
    for (const char *flag : {"outline", "highlighted", "circular", "frameless"}) {
        result << button->property(flag);
    }
    return result;
}

const std::vector<Variant> &variants()
{
    static const std::vector<Variant> table = {
        {"PushButtonCircular", [](QWidget *p) { return new PushButtonCircular(p); }, "PushButtonCircular", "circular",
         true, textOrIcon<PushButtonCircular>()},
        {"ToolButtonCircular", [](QWidget *p) { return new ToolButtonCircular(p); }, "ToolButtonCircular", "circular",
         true, nullptr},
        {"PushButtonHighlighted", [](QWidget *p) { return new PushButtonHighlighted(p); }, "PushButtonHighlighted",
         "highlighted", true, textOrIcon<PushButtonHighlighted>()},
        {"ToolButtonHighlighted", [](QWidget *p) { return new ToolButtonHighlighted(p); }, "...", "highlighted", true,
         nullptr},
        {"PushButtonPavo", [](QWidget *p) { return new PushButtonPavo(p); }, nullptr, nullptr, false,
         textOrIcon<PushButtonPavo>()},
        {"ToolButtonPavo", [](QWidget *p) { return new ToolButtonPavo(p); }, nullptr, nullptr, false, nullptr},
    };
    return table;
}

} // namespace

class tst_ButtonVariants : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructorsFixLookAndText_data();
    void constructorsFixLookAndText();
};

void tst_ButtonVariants::constructorsFixLookAndText_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < variants().size(); ++i) {
        QTest::newRow(variants()[i].name) << int(i);
    }
}

void tst_ButtonVariants::constructorsFixLookAndText()
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

    // The text and icon constructors give the same look.
    if (v.textOrIcon) {
        const QIcon icon(QPixmap(16, 16));
        QAbstractButton *withText = v.textOrIcon(nullptr, &parent);
        QAbstractButton *withIcon = v.textOrIcon(&icon, &parent);
        QVERIFY(withText->text() == QStringLiteral("Add") && withIcon->text().isEmpty() && !withIcon->icon().isNull());
        QVERIFY(withText->parentWidget() == &parent && withIcon->parentWidget() == &parent);
        QCOMPARE(look(withText), look(button));
        QCOMPARE(look(withIcon), look(button));
    }
}

QTEST_MAIN(tst_ButtonVariants)
#include "tst_buttonvariants.moc"
