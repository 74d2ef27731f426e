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
#include <functional>

using namespace Nalu::Components;

namespace {

// Builds one semantic button through each of its three constructors.
struct Factory
{
    std::function<PushButton *(QWidget *)> parentOnly;
    std::function<PushButton *(const QString &, QWidget *)> withText;
    std::function<PushButton *(const QIcon &, const QString &, QWidget *)> withIcon;
};

template<typename T>
Factory factoryFor()
{
    return Factory {[](QWidget *parent) { return new T(parent); },
                    [](const QString &text, QWidget *parent) { return new T(text, parent); },
                    [](const QIcon &icon, const QString &text, QWidget *parent) { return new T(icon, text, parent); }};
}

struct Row
{
    const char *className;
    Factory factory;
    const char *buttonType;
    const char *roleProperty; // nullptr for the two intermediate bases
    const char *roleValue;
    const char *defaultText; // nullptr: no default text
};

const std::vector<Row> &rows()
{
    static const std::vector<Row> table = {
        {"ButtonPriority", factoryFor<ButtonPriority>(), "Priority", nullptr, nullptr, nullptr},
        {"ButtonStatus", factoryFor<ButtonStatus>(), "Status", nullptr, nullptr, nullptr},
        {"ButtonPrimary", factoryFor<ButtonPrimary>(), "Priority", "Order", "Primary", "Primary"},
        {"ButtonSecondary", factoryFor<ButtonSecondary>(), "Priority", "Order", "Secondary", "Secondary"},
        {"ButtonTertiary", factoryFor<ButtonTertiary>(), "Priority", "Order", "Tertiary", "Tertiary"},
        {"ButtonConfig", factoryFor<ButtonConfig>(), "Status", "Status", "Config", "Config"},
        {"ButtonDanger", factoryFor<ButtonDanger>(), "Status", "Status", "Danger", "Danger"},
        {"ButtonInfo", factoryFor<ButtonInfo>(), "Status", "Status", "Info", "Info"},
        {"ButtonSuccess", factoryFor<ButtonSuccess>(), "Status", "Status", "Success", "Success"},
        {"ButtonWarning", factoryFor<ButtonWarning>(), "Status", "Status", "Warning", "Warning"},
    };
    return table;
}

// Translates every default word, but only in the context of the class that
// owns it, so a wrong context shows up as an untranslated text.
class ContextTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QByteArray expected = QByteArray("Nalu::Components::Button") + sourceText;
        if (expected == context) {
            return QStringLiteral("<%1>").arg(QLatin1String(sourceText));
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_SemanticButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructorsSetTextSelectorsAndClassInfo_data() { addRows(); }
    void constructorsSetTextSelectorsAndClassInfo();
    void styleSheetSeesSelectorsAtFirstPolish_data() { addRows(); }
    void styleSheetSeesSelectorsAtFirstPolish();

private:
    void addRows();
};

void tst_SemanticButtons::addRows()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < rows().size(); ++i) {
        QTest::newRow(rows()[i].className) << int(i);
    }
}

// Exactly the selector properties of the row: "ButtonType" and, on a leaf,
// its role property.
static void checkSelectors(const Row &row, const PushButton *button)
{
    QCOMPARE(button->property("ButtonType"), QVariant(QString::fromLatin1(row.buttonType)));
    QList<QByteArray> expected {"ButtonType"};
    if (row.roleProperty) {
        QCOMPARE(button->property(row.roleProperty), QVariant(QString::fromLatin1(row.roleValue)));
        expected << row.roleProperty;
    }
    QList<QByteArray> names = button->dynamicPropertyNames();
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(names, expected);
}

void tst_SemanticButtons::constructorsSetTextSelectorsAndClassInfo()
{
    QFETCH(int, row);
    const Row &r = rows()[size_t(row)];
    QWidget parent;
    ContextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    PushButton *plain = r.factory.parentOnly(&parent);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(plain->parentWidget(), &parent);
    QCOMPARE(plain->metaObject()->className(), QByteArray("Nalu::Components::") + r.className);
    QCOMPARE(plain->text(), r.defaultText ? QStringLiteral("<%1>").arg(QLatin1String(r.defaultText)) : QString());
    QVERIFY(!plain->isOutline() && !plain->isHighlighted() && !plain->isCircular() && !plain->isFrameless());
    checkSelectors(r, plain);

    PushButton *withText = r.factory.withText(QStringLiteral("Delete all"), &parent);
    QCOMPARE(withText->text(), QStringLiteral("Delete all"));
    checkSelectors(r, withText);

    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    PushButton *withIcon = r.factory.withIcon(QIcon(pixmap), QString(), &parent);
    QVERIFY(withIcon->text().isEmpty()); // an explicit empty text is not replaced by the default
    QVERIFY(!withIcon->icon().isNull());
    checkSelectors(r, withIcon);

    // Class-info of their own (package and description) on the leaves only.
    const QMetaObject *meta = plain->metaObject();
    const bool leaf = r.roleProperty != nullptr;
    QCOMPARE(meta->classInfoCount() - meta->classInfoOffset(), leaf ? 2 : 0);
    if (leaf) {
        QCOMPARE(meta->classInfo(meta->indexOfClassInfo("package")).value(), "ComponentsLibrary");
        QVERIFY(qstrlen(meta->classInfo(meta->indexOfClassInfo("description")).value()) > 20);
    }
}

void tst_SemanticButtons::styleSheetSeesSelectorsAtFirstPolish()
{
    QFETCH(int, row);
    // The selectors of each row get their own text colour, the row number plus one; a button whose selector
    // properties arrive after polishing would keep the palette's default colour.
    QString sheet;
    for (size_t i = 0; i < rows().size(); ++i) {
        sheet += QStringLiteral("Nalu--Components--PushButton[ButtonType=\"%1\"]")
                     .arg(QLatin1String(rows()[i].buttonType));
        if (rows()[i].roleProperty) {
            sheet += QStringLiteral("[%1=\"%2\"]")
                         .arg(QLatin1String(rows()[i].roleProperty), QLatin1String(rows()[i].roleValue));
        }
        sheet += QStringLiteral(" { color: #%1; }").arg(i + 1, 6, 16, QLatin1Char('0'));
    }
    QWidget window;
    window.setStyleSheet(sheet);
    PushButton *button = rows()[size_t(row)].factory.parentOnly(&window);
    button->ensurePolished();
    QCOMPARE(button->palette().color(QPalette::ButtonText).rgb() & 0xffffff, QRgb(row + 1));
}

QTEST_MAIN(tst_SemanticButtons)
#include "tst_semanticbuttons.moc"
