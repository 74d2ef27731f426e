// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonConfig.h>
#include <ComponentsLibrary/ButtonDanger.h>
#include <ComponentsLibrary/ButtonInfo.h>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/ButtonSecondary.h>
#include <ComponentsLibrary/ButtonSuccess.h>
#include <ComponentsLibrary/ButtonTertiary.h>
#include <ComponentsLibrary/ButtonWarning.h>

#include <QApplication>
#include <QTest>
#include <QTranslator>

#include <algorithm>

using namespace Nalu::Components;

namespace {

// A button built through its constructor taking the parent only (0), a text (1), or an icon and an empty text (2).
template<typename T>
PushButton *make(int constructor, QWidget *parent)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    return constructor == 0 ? new T(parent)
        : constructor == 1  ? new T(QStringLiteral("Delete all"), parent)
                            : new T(QIcon(pixmap), QString(), parent);
}

const struct Row
{
    const char *className;
    PushButton *(*make)(int, QWidget *);
    const char *buttonType;
    const char *roleProperty; // nullptr for the two intermediate bases
    const char *role; // also the default text; nullptr: none
} rows[] = {
    {"ButtonPriority", make<ButtonPriority>, "Priority", nullptr, nullptr},
    {"ButtonStatus", make<ButtonStatus>, "Status", nullptr, nullptr},
    {"ButtonPrimary", make<ButtonPrimary>, "Priority", "Order", "Primary"},
    {"ButtonSecondary", make<ButtonSecondary>, "Priority", "Order", "Secondary"},
    {"ButtonTertiary", make<ButtonTertiary>, "Priority", "Order", "Tertiary"},
    {"ButtonConfig", make<ButtonConfig>, "Status", "Status", "Config"},
    {"ButtonDanger", make<ButtonDanger>, "Status", "Status", "Danger"},
    {"ButtonInfo", make<ButtonInfo>, "Status", "Status", "Info"},
    {"ButtonSuccess", make<ButtonSuccess>, "Status", "Status", "Success"},
    {"ButtonWarning", make<ButtonWarning>, "Status", "Status", "Warning"},
};

// The selector properties of a row as the style sheet would select on them.
QString selectors(const Row &row)
{
    const QString type = QStringLiteral("[ButtonType=\"%1\"]").arg(QLatin1String(row.buttonType));
    return row.roleProperty
        ? type + QStringLiteral("[%1=\"%2\"]").arg(QLatin1String(row.roleProperty), QLatin1String(row.role))
        : type;
}

// All dynamic properties of a button, in the same form (sorted by name); a value that is no string says its type.
QString selectors(const QObject *button)
{
    QList<QByteArray> names = button->dynamicPropertyNames();
    std::sort(names.begin(), names.end());
    QString result;
    for (const QByteArray &name : names) {
        const QVariant value = button->property(name);
        const QString type = value.userType() == QMetaType::QString ? QString() : QLatin1String(value.typeName());
        result += QStringLiteral("[%1=\"%2\"%3]").arg(QLatin1String(name), value.toString(), type);
    }
    return result;
}

// Translates every default word, but only in the context of the class that owns it, so a wrong context shows up as
// an untranslated text.
class ContextTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return QByteArray("Nalu::Components::Button") + sourceText == context
            ? QStringLiteral("<%1>").arg(QLatin1String(sourceText))
            : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_SemanticButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructorsSetTextSelectorsAndClassInfo_data() { addRows(); }
    void constructorsSetTextSelectorsAndClassInfo()
    {
        QFETCH(int, row);
        const Row &r = rows[row];
        QWidget parent;
        ContextTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        PushButton *plain = r.make(0, &parent);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(plain->metaObject()->className(), QByteArray("Nalu::Components::") + r.className);
        QCOMPARE(plain->text(), r.role ? QStringLiteral("<%1>").arg(QLatin1String(r.role)) : QString());
        QVERIFY(!plain->isOutline() && !plain->isHighlighted() && !plain->isCircular() && !plain->isFrameless());
        PushButton *withText = r.make(1, &parent), *withIcon = r.make(2, &parent);
        QCOMPARE(withText->text(), QStringLiteral("Delete all"));
        QVERIFY(withIcon->text().isEmpty()); // an explicit empty text is not replaced by the default
        QVERIFY(!withIcon->icon().isNull());
        for (PushButton *button : {plain, withText, withIcon}) {
            QCOMPARE(button->parentWidget(), &parent);
            QCOMPARE(selectors(button), selectors(r));
        }
        // Class-info of their own (package and description) on the leaves only.
        const QMetaObject *meta = plain->metaObject();
        QCOMPARE(meta->classInfoCount() - meta->classInfoOffset(), r.roleProperty ? 2 : 0);
        if (r.roleProperty) {
            QCOMPARE(meta->classInfo(meta->indexOfClassInfo("package")).value(), "ComponentsLibrary");
            QVERIFY(qstrlen(meta->classInfo(meta->indexOfClassInfo("description")).value()) > 20);
        }
    }

    void styleSheetSeesSelectorsAtFirstPolish_data() { addRows(); }
    void styleSheetSeesSelectorsAtFirstPolish()
    {
        QFETCH(int, row);
        // The selectors of each row get their own text colour, the row number plus one; a button whose selector
        // properties arrive after polishing would keep the palette's default colour.
        QString sheet;
        for (size_t i = 0; i < std::size(rows); ++i) {
            sheet += QStringLiteral("Nalu--Components--PushButton%1 { color: #%2; }")
                         .arg(selectors(rows[i]))
                         .arg(i + 1, 6, 16, QLatin1Char('0'));
        }
        QWidget window;
        window.setStyleSheet(sheet);
        PushButton *button = rows[row].make(0, &window);
        button->ensurePolished();
        QCOMPARE(button->palette().color(QPalette::ButtonText).rgb() & 0xffffff, QRgb(row + 1));
    }

private:
    void addRows()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < std::size(rows); ++i) {
            QTest::newRow(rows[i].className) << int(i);
        }
    }
};

QTEST_MAIN(tst_SemanticButtons)
#include "tst_semanticbuttons.moc"
