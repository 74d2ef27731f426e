// SPDX-License-Identifier: MIT
// The library's translations: installing one, default texts that follow the language while the
// application's own texts stay, files that cannot be used, and language switches while components are busy.
#include "TestSupport.h"

#include <ComponentsLibrary/ButtonConfig.h>
#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanelPreview.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ErrorComboBox.h>
#include <ComponentsLibrary/ErrorLineEdit.h>
#include <ComponentsLibrary/MinimizedScrollBar.h>
#include <ComponentsLibrary/PushButtonBlink.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/SwitchCheckBox.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>
#include <ComponentsLibrary/Translation.h>
#include <ComponentsLibrary/UserConnector.h>

#include <vantor_common_models/User.h>
#include <vantor_common_models/UserConnectorModel.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace Nalu::Components;

namespace {

using Make = std::function<QWidget *()>;
using Holder = std::function<QObject *(QWidget *)>; // the object that holds the text; none: the widget

// Makes a T, then sets it up.
template<class T>
Make made(void (*setup)(T &) = nullptr)
{
    return [setup] {
        auto *widget = new T(nullptr);
        if (setup)
            setup(*widget);
        return widget;
    };
}
template<class T>
Holder child(const char *name = nullptr)
{
    return [name](QWidget *widget) { return widget->findChild<T *>(QLatin1String(name)); };
}

// A workflow of two steps, the first one current.
QWidget *workflow()
{
    auto *group = new ButtonGroupWidget;
    auto *first = new QPushButton(QStringLiteral("Upload"));
    auto *second = new QPushButton(QStringLiteral("Review"));
    first->setCheckable(true);
    second->setCheckable(true);
    group->setButtons({first, second});
    group->setWorkflow(true);
    first->setChecked(true);
    return group;
}

void signIn(UserConnector &connector)
{
    auto *model = new Nalu::Models::UserConnectorModel(&connector);
    model->setCurrentUser(new Nalu::Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
    connector.setModel(model);
}

void failWithDiskFull(ErrorLineEdit &edit)
{
    edit.setErrorState(true);
    edit.setErrorMessage(QStringLiteral("Disk full"));
}

// The value pop-ups are made when the pointer first shows them: between the handles, both show.
void showPopUps(RangeSlider &slider)
{
    slider.resize(200, 30);
    QMouseEvent move(QEvent::MouseMove, QPoint(100, 15), slider.mapToGlobal(QPoint(100, 15)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &move);
}

// A row of defaultTextsFollowTheLanguage: the texts are UTF-8, the locale is named as QLocale names it.
void addRow(const char *row, const Make &make, const Holder &holder, const char *property, const char *locale,
            const char *english, const char *translated)
{
    QTest::newRow(row) << make << holder << QByteArray(property) << QLocale(QLatin1String(locale))
                       << QString::fromUtf8(english) << QString::fromUtf8(translated);
}

// A cascading view over a two-level model: the application names the first level, the second gets a filler title.
CascadingListView *cascadingView()
{
    auto *model = new QStandardItemModel;
    TestSupport::addPaths(*model, QStringLiteral("Europe/Spain"));
    auto *view = new CascadingListView(model, nullptr);
    model->setParent(view);
    view->setPanelsTitles({QStringLiteral("Continent")});
    return view;
}

// Installs a translation and delivers the language change that Qt posts to the windows.
bool switchTo(const QLocale &locale, const QString &directory = QString())
{
    const bool found = installTranslation(locale, directory);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Make)
Q_DECLARE_METATYPE(Holder)

class TestTranslation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(switchTo(QLocale(QLocale::English))); }

    void defaultTextsFollowTheLanguage_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<Holder>("holder");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("translated");
        const char *description = "accessibleDescription";
        addRow("status button, German", made<ButtonConfig>(), {}, "text", "de", "Config", "Konfiguration");
        addRow("priority button, Japanese", made<ButtonPrimary>(), {}, "text", "ja", "Primary", "プライマリ");
        addRow("line edit error, French", made<ErrorLineEdit>(), {}, "errorMessage", "fr", "Error", "Erreur");
        addRow("combo box error, Swiss German", made<ErrorComboBox>(), {}, "errorMessage", "de_CH", "Error", "Fehler");
        addRow("log in, Spanish", made<UserConnector>(), {}, "text", "es", "Log In", "Iniciar sesión");
        addRow("log out, French", made<UserConnector>(), child<QAction>(), "text", "fr", "Log Out", "Se déconnecter");
        // Accessible texts are handed to Qt once: they have to be handed over again in the new language.
        addRow("switch, German", made<SwitchCheckBox>(), {}, description, "de", "On/off switch", "Ein/Aus-Schalter");
        addRow("blinking, Spanish", made<PushButtonBlink>([](PushButtonBlink &button) { button.setBlinking(true); }),
               {}, description, "es", "Needs attention", "Requiere atención");
        addRow("error around the application's message, German", made<ErrorLineEdit>(failWithDiskFull), {}, description,
               "de", "Error: Disk full", "Fehler: Disk full");
        addRow("workflow step, Spanish", workflow, child<QPushButton>(), description, "es", "Step 1 of 2, current",
               "Paso 1 de 2, actual");
        addRow("signed in, Japanese", made<UserConnector>(signIn), {}, description, "ja",
               "Signed in; opens a menu to log out", "ログイン済み。ログアウト用のメニューを開きます");
        addRow("card menu, German", made<CardWidget>(), child<QWidget>("menuButton"), "accessibleName", "de", "Menu",
               "Menü");
        addRow("slider pop-up, Spanish", made<RangeSlider>(showPopUps), child<QSpinBox>(), "accessibleName", "es",
               "Minimum", "Mínimo");
        addRow("preview, French", made<CascadingListViewPanelPreview>(), {}, "accessibleName", "fr", "Preview",
               "Aperçu");
    }
    // Texts shown by default follow the language, in components made before and after the switch; texts the
    // application set stay; English brings the source texts back.
    void defaultTextsFollowTheLanguage()
    {
        QFETCH(Make, make);
        QFETCH(Holder, holder);
        QFETCH(QByteArray, property);
        QFETCH(QLocale, locale);
        QFETCH(QString, english);
        QFETCH(QString, translated);
        const std::unique_ptr<QWidget> untouched(make()), renamed(make());
        const auto at = [&](QWidget *widget) { return holder ? holder(widget) : widget; };
        const auto text = [&](QWidget *widget) { return at(widget)->property(property).toString(); };
        // An application's description is read before the component's part, which still follows the language.
        const auto mine = [&](const QString &part) {
            return property == "accessibleDescription" ? QStringLiteral("Mine. ") + part : QStringLiteral("Mine");
        };
        QCOMPARE(text(untouched.get()), english);
        at(renamed.get())->setProperty(property, QStringLiteral("Mine"));

        QVERIFY(switchTo(locale));
        const std::unique_ptr<QWidget> created(make());
        QCOMPARE(text(untouched.get()), translated);
        QCOMPARE(text(created.get()), translated);
        QCOMPARE(text(renamed.get()), mine(translated));
        QVERIFY(switchTo(QLocale(QLocale::English, QLocale::UnitedKingdom)));
        QCOMPARE(text(untouched.get()), english);
        QCOMPARE(text(created.get()), english);
        QCOMPARE(text(renamed.get()), mine(english));
    }

    // The filler titles of levels the application did not name follow the language; the names it gave stay.
    void panelTitleFillersFollowTheLanguage()
    {
        const std::unique_ptr<CascadingListView> view(cascadingView()), renamed(cascadingView());
        renamed->setPanelTitle(1, QStringLiteral("Mine"));
        QVERIFY(switchTo(QLocale(QLocale::Spanish)));
        QCOMPARE(view->getPanelsTitles(), QStringList({QStringLiteral("Continent"), QStringLiteral("Título1")}));
        QCOMPARE(renamed->getPanelTitle(1), QStringLiteral("Mine"));
        QCOMPARE(std::unique_ptr<CascadingListView>(cascadingView())->getPanelTitle(1), QStringLiteral("Título1"));
        QVERIFY(switchTo(QLocale(QLocale::German)));
        QCOMPARE(view->getPanelsTitles(), QStringList({QStringLiteral("Continent"), QStringLiteral("Titel1")}));
        QCOMPARE(renamed->getPanelTitle(1), QStringLiteral("Mine"));
    }

    void translationsFromAFolder_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("folder"); // "temporary": a new folder holding `file` when there is one
        QTest::addColumn<QByteArray>("file"); // written as nalu_components_<language>.qm
        QTest::addColumn<QString>("text"); // the status button's, after; the French one: nothing changed
        const auto builtIn = [](const char *language) {
            QFile file(QStringLiteral(":/nalu/translations/nalu_components_%1.qm").arg(QLatin1String(language)));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray german = builtIn("de");
        const QString french = QStringLiteral("Configuration");
        QTest::newRow("copy of the built-in Japanese")
            << QLocale(QLocale::Japanese) << "temporary" << builtIn("ja") << QStringLiteral("設定");
        QTest::newRow("language without translation")
            << QLocale(QLocale::Italian) << QString() << QByteArray() << french;
        QTest::newRow("missing folder") << QLocale(QLocale::German) << "/nonexistent/translations" << QByteArray()
                                        << french;
        QTest::newRow("no file in folder") << QLocale(QLocale::German) << "temporary" << QByteArray() << french;
        QTest::newRow("corrupt file") << QLocale(QLocale::German) << "temporary" << QByteArray(4096, 'x') << french;
        QTest::newRow("truncated file") << QLocale(QLocale::German) << "temporary" << german.left(german.size() * 2 / 3)
                                        << french;
    }
    // The installed .qm files serve as well as the built-in ones; a file that cannot be used changes nothing.
    void translationsFromAFolder()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, folder);
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QTemporaryDir temporary;
        if (folder == QLatin1String("temporary")) {
            folder = temporary.path();
            QFile written(temporary.filePath(QStringLiteral("nalu_components_%1.qm").arg(locale.name().left(2))));
            QVERIFY(file.isEmpty() || (written.open(QIODevice::WriteOnly) && written.write(file) > 100));
        }
        QVERIFY(switchTo(QLocale(QLocale::French)));
        ButtonConfig button;
        QCOMPARE(switchTo(locale, folder), text != QLatin1String("Configuration"));
        QCOMPARE(button.text(), text);
        QCOMPARE(ButtonConfig().text(), text);
    }

    void switchingWhileBusy()
    {
        // Blinking, an open pop-up menu and a range slider's value pop-up, a shrinking scroll bar and an open colour
        // dialog, while the language changes back and forth.
        QWidget window;
        window.resize(400, 300);
        auto *blink = new PushButtonBlink(&window);
        blink->setBlinking(true);
        auto *popUp = new ToolButtonPopUp(&window);
        popUp->setMenuWidget(new QSpinBox);
        auto *slider = new RangeSlider(&window);
        slider->setOrientation(Qt::Horizontal);
        slider->setGeometry(0, 60, 300, 30);
        auto *area = new QScrollArea(&window);
        area->setGeometry(0, 100, 200, 150);
        auto *content = new QWidget;
        content->resize(600, 600);
        area->setWidget(content);
        area->setVerticalScrollBar(new MinimizedScrollBar(nullptr, Qt::Vertical));
        auto *colour = new ColorButton(&window);
        colour->move(300, 0);
        colour->setColorDialogMode(ColorButton::Tool);
        QVERIFY(TestSupport::showExposed(window));
        // The slider's value pop-ups are made when the pointer first shows them.
        QVERIFY(TestSupport::hoverCentre(window, slider));
        QCOMPARE(slider->findChildren<QSpinBox *>().size(), 2);
        QVERIFY(TestSupport::hoverCentre(window, area->verticalScrollBar()));
        popUp->menu()->popup(window.mapToGlobal(QPoint(0, 30)));
        for (QWidget *popup : slider->findChildren<QSpinBox *>())
            popup->parentWidget()->show();
        QTest::mouseClick(colour, Qt::LeftButton);

        const QList<QLocale> locales {QLocale(QLocale::German), QLocale(QLocale::Japanese), QLocale(QLocale::English),
                                      QLocale(QLocale::French), QLocale(QLocale::Spanish)};
        for (int round = 0; round < 3; ++round)
            for (const QLocale &locale : locales) {
                QVERIFY(switchTo(locale));
                QTest::mouseMove(&window, QPoint(round * 10 + 5, 250)); // the scroll bar starts shrinking
                QTest::qWait(60);
            }
        QVERIFY(blink->isBlinking());
        QCOMPARE(blink->text(), QStringLiteral("PushButtonBlink"));
        QCOMPARE(ButtonConfig().text(), QStringLiteral("Configuración"));
        QVERIFY(popUp->menu()->isVisible());
        QApplication::closeAllWindows();
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
