#include <ComponentsLibrary/ButtonConfig.h>
#include <ComponentsLibrary/ButtonDanger.h>
#include <ComponentsLibrary/ButtonInfo.h>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/ButtonSecondary.h>
#include <ComponentsLibrary/ButtonSuccess.h>
#include <ComponentsLibrary/ButtonTertiary.h>
#include <ComponentsLibrary/ButtonWarning.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <memory>

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
    void constructorsSetTextAndSelectors_data() { addRows(); }
    void constructorsSetTextAndSelectors();
    void defaultTextUsesClassTranslationContext_data() { addRows(); }
    void defaultTextUsesClassTranslationContext();
    void classInfoOnLeavesOnly_data() { addRows(); }
    void classInfoOnLeavesOnly();
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

void tst_SemanticButtons::constructorsSetTextAndSelectors()
{
    QFETCH(int, row);
    const Row &r = rows()[size_t(row)];
    QWidget parent;
    PushButton *plain = r.factory.parentOnly(&parent);
    QCOMPARE(plain->parentWidget(), &parent);
    QCOMPARE(plain->metaObject()->className(), QByteArray("Nalu::Components::") + r.className);
    QCOMPARE(plain->text(), r.defaultText ? QString::fromLatin1(r.defaultText) : QString());
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

    std::unique_ptr<PushButton> orphan(r.factory.parentOnly(nullptr));
    QVERIFY(!orphan->parent());
    QVERIFY(!orphan->isOutline() && !orphan->isHighlighted() && !orphan->isCircular() && !orphan->isFrameless());
    // The flags stay changeable and leave the constant selectors alone.
    QSignalSpy spy(orphan.get(), &PushButton::outlineChanged);
    orphan->setOutline(true);
    QCOMPARE(spy.count(), 1);
    checkSelectors(r, orphan.get());
}

void tst_SemanticButtons::defaultTextUsesClassTranslationContext()
{
    QFETCH(int, row);
    const Row &r = rows()[size_t(row)];
    ContextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    std::unique_ptr<PushButton> button(r.factory.parentOnly(nullptr));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(button->text(), r.defaultText ? QStringLiteral("<%1>").arg(QLatin1String(r.defaultText)) : QString());
}

void tst_SemanticButtons::classInfoOnLeavesOnly()
{
    QFETCH(int, row);
    const Row &r = rows()[size_t(row)];
    std::unique_ptr<PushButton> button(r.factory.parentOnly(nullptr));
    const QMetaObject *meta = button->metaObject();
    const int own = meta->classInfoCount() - meta->classInfoOffset();
    const bool leaf = r.roleProperty != nullptr;
    QCOMPARE(own, leaf ? 2 : 0);
    if (!leaf) {
        return;
    }
    const int package = meta->indexOfClassInfo("package");
    const int description = meta->indexOfClassInfo("description");
    QVERIFY(package >= meta->classInfoOffset());
    QVERIFY(description >= meta->classInfoOffset());
    QCOMPARE(meta->classInfo(package).value(), "ComponentsLibrary");
    QVERIFY(qstrlen(meta->classInfo(description).value()) > 20);
    // Own class-info only: the bases add none.
    QCOMPARE(meta->superClass()->classInfoCount() - meta->superClass()->classInfoOffset(), 0);
}

void tst_SemanticButtons::styleSheetSeesSelectorsAtFirstPolish()
{
    QFETCH(int, row);
    const Row &r = rows()[size_t(row)];
    // Each role gets its own text colour; a button whose selector properties
    // arrive after polishing would keep the palette's default colour.
    QWidget window;
    window.setStyleSheet(
        QStringLiteral("Nalu--Components--PushButton { color: #000001; }"
                       "Nalu--Components--PushButton[ButtonType=\"Priority\"] { color: #000010; }"
                       "Nalu--Components--PushButton[ButtonType=\"Status\"] { color: #000020; }"
                       "Nalu--Components--PushButton[ButtonType=\"Priority\"][Order=\"Primary\"] { color: #100000; }"
                       "Nalu--Components--PushButton[ButtonType=\"Priority\"][Order=\"Secondary\"] { color: #200000; }"
                       "Nalu--Components--PushButton[ButtonType=\"Priority\"][Order=\"Tertiary\"] { color: #300000; }"
                       "Nalu--Components--PushButton[ButtonType=\"Status\"][Status=\"Config\"] { color: #001000; }"
                       "Nalu--Components--PushButton[ButtonType=\"Status\"][Status=\"Danger\"] { color: #002000; }"
                       "Nalu--Components--PushButton[ButtonType=\"Status\"][Status=\"Info\"] { color: #003000; }"
                       "Nalu--Components--PushButton[ButtonType=\"Status\"][Status=\"Success\"] { color: #004000; }"
                       "Nalu--Components--PushButton[ButtonType=\"Status\"][Status=\"Warning\"] { color: #005000; }"));
    PushButton *button = r.factory.parentOnly(&window);
    button->ensurePolished();

    const QHash<QString, QRgb> expected {
        {QStringLiteral("Priority"), 0x000010}, {QStringLiteral("Status"), 0x000020},
        {QStringLiteral("Primary"), 0x100000},  {QStringLiteral("Secondary"), 0x200000},
        {QStringLiteral("Tertiary"), 0x300000}, {QStringLiteral("Config"), 0x001000},
        {QStringLiteral("Danger"), 0x002000},   {QStringLiteral("Info"), 0x003000},
        {QStringLiteral("Success"), 0x004000},  {QStringLiteral("Warning"), 0x005000},
    };
    const QString key = QString::fromLatin1(r.roleValue ? r.roleValue : r.buttonType);
    QCOMPARE(button->palette().color(QPalette::ButtonText).rgb() & 0xffffff, expected.value(key));
}

QTEST_MAIN(tst_SemanticButtons)
#include "tst_semanticbuttons.moc"
