// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButtonCircular.h>
#include <ComponentsLibrary/PushButtonHighlighted.h>
#include <ComponentsLibrary/PushButtonPavo.h>
#include <ComponentsLibrary/ToolButtonCircular.h>
#include <ComponentsLibrary/ToolButtonHighlighted.h>
#include <ComponentsLibrary/ToolButtonPavo.h>

#include <QTest>

#include <type_traits>

using namespace Nalu::Components;

namespace {

// A button built through its constructor taking the parent only (0), the text "Add" (1), or an icon and no text (2);
// null for the constructors that tool buttons do not have.
template<typename T>
QAbstractButton *make(int constructor, QWidget *parent)
{
    if constexpr (std::is_constructible_v<T, const QString &, QWidget *>) {
        if (constructor > 0) {
            return constructor == 1 ? new T(QStringLiteral("Add"), parent)
                                    : new T(QIcon(QPixmap(16, 16)), QString(), parent);
        }
    }
    return constructor == 0 ? new T(parent) : nullptr;
}

// What the style sheet selects on: the dynamic properties and the four flags.
QVariantList look(const QAbstractButton *button)
{
    QVariantList result {button->dynamicPropertyNames().join(' ')};
    for (const char *flag : {"outline", "highlighted", "circular", "frameless"}) {
        result << button->property(flag);
    }
    return result;
}

const struct Variant
{
    const char *name;
    QAbstractButton *(*make)(int, QWidget *);
    const char *defaultText; // nullptr: no text
    const char *flagOn; // the one flag constructed true; nullptr for the Pavo buttons
    bool hasExample;
} variants[] = {
    {"PushButtonCircular", make<PushButtonCircular>, "PushButtonCircular", "circular", true},
    {"ToolButtonCircular", make<ToolButtonCircular>, "ToolButtonCircular", "circular", true},
    {"PushButtonHighlighted", make<PushButtonHighlighted>, "PushButtonHighlighted", "highlighted", true},
    {"ToolButtonHighlighted", make<ToolButtonHighlighted>, "...", "highlighted", true},
    {"PushButtonPavo", make<PushButtonPavo>, nullptr, nullptr, false},
    {"ToolButtonPavo", make<ToolButtonPavo>, nullptr, nullptr, false},
};

} // namespace

class tst_ButtonVariants : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructorsFixLookAndText_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < std::size(variants); ++i) {
            QTest::newRow(variants[i].name) << int(i);
        }
    }
    void constructorsFixLookAndText()
    {
        QFETCH(int, row);
        const Variant &v = variants[row];
        QWidget parent;
        QAbstractButton *button = v.make(0, &parent);
        QCOMPARE(button->parentWidget(), &parent);
        QCOMPARE(button->text(), QLatin1String(v.defaultText));
        if (v.flagOn) {
            for (const char *flag : {"outline", "highlighted", "circular", "frameless"}) {
                QCOMPARE(button->property(flag).toBool(), qstrcmp(flag, v.flagOn) == 0);
            }
            QVERIFY(button->dynamicPropertyNames().isEmpty());
        } else { // the Pavo buttons are plain Qt buttons: no flags, only the selector
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

        // The text and icon constructors of the push buttons give the same look.
        if (QAbstractButton *withText = v.make(1, &parent)) {
            QAbstractButton *withIcon = v.make(2, &parent);
            QCOMPARE(withText->text(), QStringLiteral("Add"));
            QVERIFY(withIcon->text().isEmpty() && !withIcon->icon().isNull());
            QVERIFY(withText->parentWidget() == &parent && withIcon->parentWidget() == &parent);
            QCOMPARE(look(withText), look(button));
            QCOMPARE(look(withIcon), look(button));
        }
    }
};

QTEST_MAIN(tst_ButtonVariants)
#include "tst_buttonvariants.moc"
