// SPDX-License-Identifier: MIT
// The library's translations: installing one, default texts that follow the language while the
// application's own texts stay, files that cannot be used, and language switches while components are busy.
#include "TestSupport.h"

#include <ComponentsLibrary/ButtonConfig.h>
#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanelContainer.h>
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

#include <memory>

using namespace Nalu::Components;

namespace {

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

// A component with a default text, and the object and property that hold the text.
QWidget *make(const QString &component)
{
    if (component == QLatin1String("SwitchCheckBox"))
        return new SwitchCheckBox;
    if (component == QLatin1String("PushButtonBlink")) {
        auto *button = new PushButtonBlink(nullptr);
        button->setBlinking(true);
        return button;
    }
    if (component == QLatin1String("ErrorLineEdit in error")) {
        auto *edit = new ErrorLineEdit(nullptr);
        edit->setErrorState(true);
        edit->setErrorMessage(QStringLiteral("Disk full"));
        return edit;
    }
    if (component == QLatin1String("workflow step"))
        return workflow();
    if (component == QLatin1String("signed-in UserConnector")) {
        auto *connector = new UserConnector(nullptr, nullptr);
        auto *model = new Nalu::Models::UserConnectorModel(connector);
        model->setCurrentUser(new Nalu::Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
        connector->setModel(model);
        return connector;
    }
    if (component == QLatin1String("card menu"))
        return new CardWidget(nullptr);
    if (component == QLatin1String("slider pop-up")) {
        // The value pop-ups are made when the pointer first shows them: between the handles, both show.
        auto *slider = new RangeSlider;
        slider->resize(200, 30);
        const QPoint between(100, 15);
        QMouseEvent move(QEvent::MouseMove, between, slider->mapToGlobal(between), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        return slider;
    }
    if (component == QLatin1String("CascadingListViewPanelPreview"))
        return new CascadingListViewPanelPreview;
    if (component == QLatin1String("ButtonConfig"))
        return new ButtonConfig(nullptr);
    if (component == QLatin1String("ButtonPrimary"))
        return new ButtonPrimary(nullptr);
    if (component == QLatin1String("ErrorLineEdit"))
        return new ErrorLineEdit(nullptr);
    if (component == QLatin1String("ErrorComboBox"))
        return new ErrorComboBox(nullptr);
    return new UserConnector(nullptr, nullptr);
}

QObject *textHolder(QWidget *widget, const QString &component)
{
    // The log-out entry is the user connector's own action.
    if (component == QLatin1String("UserConnector log-out entry"))
        return widget->findChild<QAction *>(QString(), Qt::FindDirectChildrenOnly);
    if (component == QLatin1String("workflow step"))
        return widget->findChild<QPushButton *>();
    if (component == QLatin1String("card menu"))
        return widget->findChild<QWidget *>(QStringLiteral("menuButton"));
    if (component == QLatin1String("slider pop-up"))
        return widget->findChildren<QSpinBox *>().value(0);
    return widget;
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

class TestTranslation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(switchTo(QLocale(QLocale::English))); }

    void defaultTextsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("translated");
        QTest::newRow("status button, German")
            << "ButtonConfig" << QByteArray("text") << QLocale(QLocale::German) << "Config"
            << "Konfiguration";
        QTest::newRow("priority button, Japanese")
            << "ButtonPrimary" << QByteArray("text") << QLocale(QLocale::Japanese) << "Primary"
            << QStringLiteral("プライマリ");
        QTest::newRow("line edit error, French")
            << "ErrorLineEdit" << QByteArray("errorMessage") << QLocale(QLocale::French) << "Error"
            << "Erreur";
        QTest::newRow("combo box error, Swiss German") << "ErrorComboBox" << QByteArray("errorMessage")
                                                       << QLocale(QLocale::German, QLocale::Switzerland) << "Error"
                                                       << "Fehler";
        QTest::newRow("log in, Spanish") << "UserConnector" << QByteArray("text") << QLocale(QLocale::Spanish)
                                         << "Log In" << QStringLiteral("Iniciar sesión");
        QTest::newRow("log out, French") << "UserConnector log-out entry" << QByteArray("text")
                                         << QLocale(QLocale::French) << "Log Out" << QStringLiteral("Se déconnecter");
        // Accessible texts are handed to Qt once: they have to be handed over again in the new language.
        const QByteArray name("accessibleName"), description("accessibleDescription");
        QTest::newRow("switch, German") << "SwitchCheckBox" << description << QLocale(QLocale::German)
                                        << "On/off switch"
                                        << "Ein/Aus-Schalter";
        QTest::newRow("blinking, Spanish") << "PushButtonBlink" << description << QLocale(QLocale::Spanish)
                                           << "Needs attention" << QStringLiteral("Requiere atención");
        QTest::newRow("error around the application's message, German")
            << "ErrorLineEdit in error" << description << QLocale(QLocale::German) << "Error: Disk full"
            << "Fehler: Disk full";
        QTest::newRow("workflow step, Spanish")
            << "workflow step" << description << QLocale(QLocale::Spanish) << "Step 1 of 2, current"
            << "Paso 1 de 2, actual";
        QTest::newRow("signed in, Japanese")
            << "signed-in UserConnector" << description << QLocale(QLocale::Japanese)
            << "Signed in; opens a menu to log out" << QStringLiteral("ログイン済み。ログアウト用のメニューを開きます");
        QTest::newRow("card menu, German")
            << "card menu" << name << QLocale(QLocale::German) << "Menu" << QStringLiteral("Menü");
        QTest::newRow("slider pop-up, Spanish")
            << "slider pop-up" << name << QLocale(QLocale::Spanish) << "Minimum" << QStringLiteral("Mínimo");
        QTest::newRow("preview, French") << "CascadingListViewPanelPreview" << name << QLocale(QLocale::French)
                                         << "Preview" << QStringLiteral("Aperçu");
    }
    // Texts shown by default follow the language, in components made before and after the switch; texts the
    // application set stay; English brings the source texts back.
    void defaultTextsFollowTheLanguage()
    {
        QFETCH(QString, component);
        QFETCH(QByteArray, property);
        QFETCH(QLocale, locale);
        QFETCH(QString, english);
        QFETCH(QString, translated);
        const std::unique_ptr<QWidget> untouched(make(component)), renamed(make(component));
        const auto text = [&](QWidget *w) { return textHolder(w, component)->property(property).toString(); };
        // An application's description is read before the component's part, which still follows the language.
        const auto mine = [&](const QString &part) {
            return property == "accessibleDescription" ? QStringLiteral("Mine. ") + part : QStringLiteral("Mine");
        };
        QCOMPARE(text(untouched.get()), english);
        textHolder(renamed.get(), component)->setProperty(property, QStringLiteral("Mine"));

        QVERIFY(switchTo(locale));
        const std::unique_ptr<QWidget> created(make(component));
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
        QTest::addColumn<QString>("folder"); // "temporary": a new folder holding `file`
        QTest::addColumn<QString>("file"); // written as nalu_components_<language>.qm; empty: none
        QTest::addColumn<QString>("text"); // the status button's, after; the French one: nothing changed
        const QString french = QStringLiteral("Configuration");
        QTest::newRow("copy of the built-in Japanese") << QLocale(QLocale::Japanese, QLocale::Japan) << "temporary"
                                                       << "ja" << QStringLiteral("設定");
        QTest::newRow("language without translation") << QLocale(QLocale::Italian) << QString() << QString() << french;
        QTest::newRow("missing folder") << QLocale(QLocale::German) << "/nonexistent/translations" << QString()
                                        << french;
        QTest::newRow("no file in folder") << QLocale(QLocale::German) << "temporary" << QString() << french;
        QTest::newRow("corrupt file") << QLocale(QLocale::German) << "temporary"
                                      << "corrupt" << french;
        QTest::newRow("truncated file") << QLocale(QLocale::German) << "temporary"
                                        << "truncated" << french;
    }
    // The installed .qm files serve as well as the built-in ones; a file that cannot be used changes nothing.
    void translationsFromAFolder()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, text);
        QTemporaryDir temporary;
        if (folder == QLatin1String("temporary")) {
            folder = temporary.path();
            const QString name
                = QStringLiteral("nalu_components_%1.qm").arg(QLatin1String(file == QLatin1String("ja") ? "ja" : "de"));
            QFile real(QStringLiteral(":/nalu/translations/") + name);
            QVERIFY(real.open(QIODevice::ReadOnly));
            QByteArray content = file == QLatin1String("corrupt") ? QByteArray(4096, 'x') : real.readAll();
            if (file == QLatin1String("truncated")) {
                content.chop(content.size() / 3);
            }
            QFile written(temporary.filePath(name));
            QVERIFY(file.isEmpty() || (written.open(QIODevice::WriteOnly) && written.write(content) > 100));
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
