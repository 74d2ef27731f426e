// SPDX-License-Identifier: MIT

#include "GalleryWindow.h"
#include "Screenshots.h"

#include <ComponentsLibrary/Translation.h>
#include <ComponentsTheme/Theme.h>

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFont>
#include <QTextStream>

#include <cstring>

namespace {

// Whether the run never shows a window on screen: taking screenshots or
// printing the help. Looked up in the raw arguments because the platform
// must be chosen before QApplication exists.
bool runsWithoutScreen(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--") == 0) {
            return false;
        }
        if (std::strcmp(arg, "--screenshot") == 0 || std::strncmp(arg, "--screenshot=", 13) == 0
            || std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "--help-all") == 0 || std::strcmp(arg, "-h") == 0
            || std::strcmp(arg, "-?") == 0) {
            return true;
        }
    }
    return false;
}

// The value of --scale (as "--scale N" or "--scale=N"), empty without it. Looked up in the raw
// arguments because the scale factor must be set before QApplication exists.
QByteArray scaleArgument(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--") == 0) {
            break;
        }
        if (std::strcmp(arg, "--scale") == 0 && i + 1 < argc) {
            return argv[i + 1];
        }
        if (std::strncmp(arg, "--scale=", 8) == 0) {
            return arg + 8;
        }
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    // Screenshots and the help need no display: fall back to the offscreen
    // platform when there is none and the user did not pick a platform.
    if (runsWithoutScreen(argc, argv) && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }

    // Every window at N device pixels per pixel, as on a high-density screen.
    const QByteArray scale = scaleArgument(argc, argv);
    bool scaleValid = scale.isEmpty();
    if (!scale.isEmpty() && scale.toDouble(&scaleValid) > 0 && scaleValid) {
        qputenv("QT_SCALE_FACTOR", scale);
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Icons drawn by the style at the screen's resolution, as Qt 6 always does.
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nalu-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Shows every component of the Nalu components library, page by page."));
    parser.addHelpOption();
    const QCommandLineOption screenshotOption(
        QStringList {QStringLiteral("screenshot")},
        QApplication::translate("main",
                                "Render every page in both theme variants to PNG files in <directory>, print "
                                "each path, then exit."),
        QApplication::translate("main", "directory"));
    parser.addOption(screenshotOption);
    const QCommandLineOption darkOption(QStringList {QStringLiteral("dark")},
                                        QApplication::translate("main", "Start with the dark theme."));
    parser.addOption(darkOption);
    const QCommandLineOption firstScreenOption(
        QStringList {QStringLiteral("first-screen")},
        QApplication::translate("main",
                                "With --screenshot: keep the window at 1100x800 rather than growing it to "
                                "hold each whole page, and save in 256 colours."));
    parser.addOption(firstScreenOption);
    const QCommandLineOption languageOption(
        QStringList {QStringLiteral("lang")},
        QApplication::translate("main",
                                "Show the components' texts in <language> (en, de, fr, es or ja); with --screenshot, "
                                "the file names end with it."),
        QApplication::translate("main", "language"));
    parser.addOption(languageOption);
    const QCommandLineOption scaleOption(
        QStringList {QStringLiteral("scale")},
        QApplication::translate("main",
                                "Draw at <factor> device pixels per pixel, as on a high-density screen; with "
                                "--screenshot, the pictures are that much larger and their names end with it."),
        QApplication::translate("main", "factor"));
    parser.addOption(scaleOption);
    const QCommandLineOption rtlOption(
        QStringList {QStringLiteral("rtl")},
        QApplication::translate("main",
                                "Lay everything out from right to left; with --screenshot, the file names end "
                                "with -rtl."));
    parser.addOption(rtlOption);
    parser.process(app);
    const bool rightToLeft = parser.isSet(rtlOption);
    if (rightToLeft) {
        QApplication::setLayoutDirection(Qt::RightToLeft);
    }

    QTextStream err(stderr);
    if (Nalu::Gallery::GalleryWindow::chromeStyleSheet().isEmpty()) {
        err << QApplication::translate("main", "Warning: the gallery's style sheet could not be loaded.") << Qt::endl;
    }

    if (!scale.isEmpty() && (!scaleValid || scale.toDouble() <= 0)) {
        err << QApplication::translate("main", "--scale needs a factor greater than 0.") << Qt::endl;
        return 1;
    }

    const QString language = parser.value(languageOption);
    if (!language.isEmpty() && !Nalu::Components::installTranslation(QLocale(language))) {
        err << QApplication::translate("main", "The components have no translation for '%1'.").arg(language)
            << Qt::endl;
        return 1;
    }

    if (parser.isSet(screenshotOption)) {
        const QString directory = parser.value(screenshotOption);
        if (directory.isEmpty()) {
            err << QApplication::translate("main", "--screenshot needs a directory.") << Qt::endl;
            return 1;
        }
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            // The offscreen platform's own default font is 12 pt under Qt 5 and 9 pt under Qt 6:
            // the pictures use one desktop-sized font whatever the Qt version.
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(13);
            QApplication::setFont(font);
        }
        QTextStream out(stdout);
        // A fresh window per variant: every page is built and polished under its theme.
        for (const auto variant : {Nalu::Theme::Variant::Light, Nalu::Theme::Variant::Dark}) {
            Nalu::Gallery::GalleryWindow window(variant);
            if (!language.isEmpty()) {
                window.setLanguage(language);
            }
            if (const int result
                = Nalu::Gallery::saveScreenshots(window, directory, out, err, !parser.isSet(firstScreenOption),
                                                 language, QString::fromLatin1(scale), rightToLeft)) {
                return result;
            }
        }
        return 0;
    }

    Nalu::Gallery::GalleryWindow window(parser.isSet(darkOption) ? Nalu::Theme::Variant::Dark
                                                                 : Nalu::Theme::Variant::Light);
    if (!language.isEmpty()) {
        window.setLanguage(language);
    }
    window.show();
    return QApplication::exec();
}
