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

#include <functional>
#include <memory>

using namespace Nalu::Components;

namespace {

// A component showing a default text, and how to read and replace that text.
struct Probe
{
    std::function<QWidget *()> make;
    std::function<QString(QWidget *)> text;
    std::function<void(QWidget *, const QString &)> setText;
};

template<typename Button>
Probe buttonProbe()
{
    return {[] { return new Button(nullptr); }, [](QWidget *w) { return static_cast<Button *>(w)->text(); },
            [](QWidget *w, const QString &t) { static_cast<Button *>(w)->setText(t); }};
}

template<typename Input>
Probe errorProbe()
{
    return {[] { return new Input(nullptr); }, [](QWidget *w) { return static_cast<Input *>(w)->getErrorMessage(); },
            [](QWidget *w, const QString &t) { static_cast<Input *>(w)->setErrorMessage(t); }};
}

QAction *logOutAction(QWidget *w)
{
    return w->findChild<QAction *>(QString(), Qt::FindDirectChildrenOnly);
}

// What assistive technologies read: a name the application may replace, or a description (no replacement
// checked: the application's own description is kept beside the component's part, not instead of it).
template<typename Widget>
Probe accessibleName(std::function<Widget *()> make, std::function<QWidget *(Widget *)> named)
{
    return {[make] { return make(); },
            [named](QWidget *w) { return named(static_cast<Widget *>(w))->accessibleName(); },
            [named](QWidget *w, const QString &t) { named(static_cast<Widget *>(w))->setAccessibleName(t); }};
}

Probe accessibleDescription(std::function<QWidget *()> make, std::function<QWidget *(QWidget *)> described = nullptr)
{
    return {std::move(make),
            [described](QWidget *w) { return (described ? described(w) : w)->accessibleDescription(); }, nullptr};
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

QWidget *signedInConnector()
{
    auto *connector = new UserConnector(nullptr, nullptr);
    auto *model = new Nalu::Models::UserConnectorModel(connector);
    model->setCurrentUser(new Nalu::Models::User(QStringLiteral("Ada"), QStringLiteral("Lovelace"), model));
    connector->setModel(model);
    return connector;
}

// A cascading view over a two-level model: the application names the first level, the second gets a filler title.
CascadingListView *cascadingView()
{
    auto *model = new QStandardItemModel;
    auto *item = new QStandardItem(QStringLiteral("Europe"));
    item->appendRow(new QStandardItem(QStringLiteral("Spain")));
    model->appendRow(item);
    auto *view = new CascadingListView(model, nullptr);
    model->setParent(view);
    view->setPanelsTitles({QStringLiteral("Continent")});
    return view;
}

Probe probe(const QString &name)
{
    if (name == QLatin1String("ButtonConfig"))
        return buttonProbe<ButtonConfig>();
    if (name == QLatin1String("ButtonPrimary"))
        return buttonProbe<ButtonPrimary>();
    if (name == QLatin1String("ErrorLineEdit"))
        return errorProbe<ErrorLineEdit>();
    if (name == QLatin1String("ErrorComboBox"))
        return errorProbe<ErrorComboBox>();
    if (name == QLatin1String("UserConnector"))
        return buttonProbe<UserConnector>();
    if (name == QLatin1String("UserConnector log-out entry"))
        return {[] { return new UserConnector(nullptr, nullptr); }, [](QWidget *w) { return logOutAction(w)->text(); },
                [](QWidget *w, const QString &t) { logOutAction(w)->setText(t); }};
    if (name == QLatin1String("switch description"))
        return accessibleDescription([] { return new SwitchCheckBox; });
    if (name == QLatin1String("blinking description"))
        return accessibleDescription([] {
            auto *button = new PushButtonBlink(nullptr);
            button->setBlinking(true);
            return button;
        });
    if (name == QLatin1String("error description"))
        return accessibleDescription([] {
            auto *edit = new ErrorLineEdit(nullptr);
            edit->setErrorState(true);
            edit->setErrorMessage(QStringLiteral("Disk full"));
            return edit;
        });
    if (name == QLatin1String("workflow step description"))
        return accessibleDescription(workflow, [](QWidget *w) { return w->findChild<QPushButton *>(); });
    if (name == QLatin1String("signed-in description"))
        return accessibleDescription(signedInConnector);
    if (name == QLatin1String("card menu name"))
        return accessibleName<CardWidget>(
            [] { return new CardWidget(nullptr); },
            [](CardWidget *w) { return w->findChild<QWidget *>(QStringLiteral("menuButton")); });
    if (name == QLatin1String("slider pop-up name"))
        return accessibleName<RangeSlider>([] { return new RangeSlider; },
                                           [](RangeSlider *w) { return w->findChildren<QSpinBox *>().value(0); });
    if (name == QLatin1String("preview name"))
        return accessibleName<CascadingListViewPanelPreview>([] { return new CascadingListViewPanelPreview; },
                                                             [](CascadingListViewPanelPreview *w) { return w; });
    return {[] { return cascadingView(); },
            [](QWidget *w) { return static_cast<CascadingListView *>(w)->getPanelTitle(1); },
            [](QWidget *w, const QString &t) { static_cast<CascadingListView *>(w)->setPanelTitle(1, t); }};
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
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("translated");
        QTest::newRow("status button, German") << "ButtonConfig" << QLocale(QLocale::German) << "Config"
                                               << "Konfiguration";
        QTest::newRow("priority button, Japanese")
            << "ButtonPrimary" << QLocale(QLocale::Japanese) << "Primary" << QStringLiteral("プライマリ");
        QTest::newRow("line edit error, French") << "ErrorLineEdit" << QLocale(QLocale::French) << "Error"
                                                 << "Erreur";
        QTest::newRow("combo box error, Swiss German")
            << "ErrorComboBox" << QLocale(QLocale::German, QLocale::Switzerland) << "Error"
            << "Fehler";
        QTest::newRow("log in, Spanish") << "UserConnector" << QLocale(QLocale::Spanish) << "Log In"
                                         << QStringLiteral("Iniciar sesión");
        QTest::newRow("log out, French") << "UserConnector log-out entry" << QLocale(QLocale::French) << "Log Out"
                                         << QStringLiteral("Se déconnecter");
        QTest::newRow("panel title filler, Spanish")
            << "CascadingView" << QLocale(QLocale::Spanish) << "Title1" << QStringLiteral("Título1");
        // Accessible texts are handed to Qt once, so they have to be given again in the new language.
        QTest::newRow("switch, German") << "switch description" << QLocale(QLocale::German) << "On/off switch"
                                        << "Ein/Aus-Schalter";
        QTest::newRow("blinking, Spanish") << "blinking description" << QLocale(QLocale::Spanish) << "Needs attention"
                                           << QStringLiteral("Requiere atención");
        QTest::newRow("error around the application's message, German")
            << "error description" << QLocale(QLocale::German) << "Error: Disk full"
            << "Fehler: Disk full";
        QTest::newRow("workflow step, Spanish")
            << "workflow step description" << QLocale(QLocale::Spanish) << "Step 1 of 2, current"
            << "Paso 1 de 2, actual";
        QTest::newRow("signed in, Japanese")
            << "signed-in description" << QLocale(QLocale::Japanese) << "Signed in; opens a menu to log out"
            << QStringLiteral("ログイン済み。ログアウト用のメニューを開きます");
        QTest::newRow("card menu, German")
            << "card menu name" << QLocale(QLocale::German) << "Menu" << QStringLiteral("Menü");
        QTest::newRow("slider pop-up, Spanish")
            << "slider pop-up name" << QLocale(QLocale::Spanish) << "Minimum" << QStringLiteral("Mínimo");
        QTest::newRow("preview, French") << "preview name" << QLocale(QLocale::French) << "Preview"
                                         << QStringLiteral("Aperçu");
    }
    void defaultTextsFollowTheLanguage()
    {
        QFETCH(QString, component);
        QFETCH(QLocale, locale);
        QFETCH(QString, english);
        QFETCH(QString, translated);
        const Probe p = probe(component);
        std::unique_ptr<QWidget> untouched(p.make()), renamed(p.make());
        QCOMPARE(p.text(untouched.get()), english);
        const QString mine = QStringLiteral("Mine");
        if (p.setText)
            p.setText(renamed.get(), mine);

        QVERIFY(switchTo(locale));
        QCOMPARE(p.text(untouched.get()), translated);
        if (p.setText)
            QCOMPARE(p.text(renamed.get()), mine);
        const std::unique_ptr<QWidget> created(p.make()); // created in the new language
        QCOMPARE(p.text(created.get()), translated);

        QVERIFY(switchTo(QLocale(QLocale::English, QLocale::UnitedKingdom))); // back to the source texts
        QCOMPARE(p.text(untouched.get()), english);
        QCOMPARE(p.text(created.get()), english);
        if (p.setText)
            QCOMPARE(p.text(renamed.get()), mine);
    }

    void panelTitlesOfTheApplicationStay()
    {
        const std::unique_ptr<CascadingListView> view(cascadingView());
        QVERIFY(switchTo(QLocale(QLocale::German)));
        QCOMPARE(view->getPanelsTitles(), QStringList({QStringLiteral("Continent"), QStringLiteral("Titel1")}));
    }

    void unusableTranslationsChangeNothing_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("file"); // written as nalu_components_de.qm into the folder searched; empty: none
        QTest::addColumn<QString>("folder"); // "temporary" for the folder the file is written to
        QTest::newRow("language without translation") << QLocale(QLocale::Italian) << QByteArray() << QString();
        QTest::newRow("missing folder") << QLocale(QLocale::German) << QByteArray() << "/nonexistent/translations";
        QTest::newRow("no file in folder") << QLocale(QLocale::German) << QByteArray() << "temporary";
        QTest::newRow("corrupt file") << QLocale(QLocale::German) << QByteArray(4096, 'x') << "temporary";
        QTest::newRow("truncated file") << QLocale(QLocale::German) << QByteArray("truncated") << "temporary";
    }
    void unusableTranslationsChangeNothing()
    {
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, file);
        QFETCH(QString, folder);
        QTemporaryDir temporary;
        if (folder == QLatin1String("temporary")) {
            folder = temporary.path();
            if (file == "truncated") {
                QFile real(QStringLiteral(":/nalu/translations/nalu_components_de.qm"));
                QVERIFY(real.open(QIODevice::ReadOnly));
                file = real.readAll();
                QVERIFY(file.size() > 100);
                file.chop(file.size() / 3);
            }
            if (!file.isEmpty()) {
                QFile written(folder + QStringLiteral("/nalu_components_de.qm"));
                QVERIFY(written.open(QIODevice::WriteOnly));
                written.write(file);
            }
        }
        QVERIFY(switchTo(QLocale(QLocale::French)));
        ButtonConfig button;
        QCOMPARE(button.text(), QStringLiteral("Configuration"));
        QVERIFY(!switchTo(locale, folder));
        QCOMPARE(button.text(), QStringLiteral("Configuration")); // the French translation stays installed
        QCOMPARE(ButtonConfig().text(), QStringLiteral("Configuration"));
    }

    void translationsFromAFolder()
    {
        // The installed .qm files serve as well as the built-in ones: here a copy of the built-in Japanese one.
        QTemporaryDir temporary;
        QVERIFY(QFile::copy(QStringLiteral(":/nalu/translations/nalu_components_ja.qm"),
                            temporary.filePath(QStringLiteral("nalu_components_ja.qm"))));
        QVERIFY(switchTo(QLocale(QLocale::Japanese, QLocale::Japan), temporary.path()));
        QCOMPARE(ButtonConfig().text(), QStringLiteral("設定"));
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
