#include "GalleryWindow.h"
#include "Screenshots.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
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

QString loadStyleSheet()
{
    QFile file(QStringLiteral(":/gallery/gallery.qss"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nalu-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Shows every component of the Nalu components library, page by page."));
    parser.addHelpOption();
    const QCommandLineOption screenshotOption(
        QStringList {QStringLiteral("screenshot")},
        QApplication::translate("main", "Render every page to a PNG file in <directory>, print each path, then exit."),
        QApplication::translate("main", "directory"));
    parser.addOption(screenshotOption);
    parser.process(app);

    const QString styleSheet = loadStyleSheet();
    QTextStream err(stderr);
    if (styleSheet.isEmpty()) {
        err << QApplication::translate("main", "Warning: the demo style sheet could not be loaded.") << Qt::endl;
    }
    app.setStyleSheet(styleSheet);

    Nalu::Gallery::GalleryWindow window;

    if (parser.isSet(screenshotOption)) {
        const QString directory = parser.value(screenshotOption);
        if (directory.isEmpty()) {
            err << QApplication::translate("main", "--screenshot needs a directory.") << Qt::endl;
            return 1;
        }
        QTextStream out(stdout);
        return Nalu::Gallery::saveScreenshots(window, directory, out, err);
    }

    window.show();
    return QApplication::exec();
}
