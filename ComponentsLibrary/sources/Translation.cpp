// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/Translation.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace Nalu {
namespace Components {

namespace {

// The translator installed last; a child of the application, which deletes it on exit.
QPointer<QTranslator> &installedTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

void replaceInstalled(QTranslator *translator)
{
    QPointer<QTranslator> &installed = installedTranslator();
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    installed = translator;
    if (translator) {
        QCoreApplication::installTranslator(translator);
    }
}

} // namespace

bool installTranslation(const QLocale &locale, const QString &directory)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application) {
        return false;
    }
    const QString folder = directory.isEmpty() ? QStringLiteral(":/nalu/translations") : directory;
    const QStringList languages = locale.uiLanguages();
    for (const QString &name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C) {
            replaceInstalled(nullptr);
            return true;
        }
        auto translator = std::make_unique<QTranslator>(application);
        if (translator->load(language, QStringLiteral("nalu_components"), QStringLiteral("_"), folder)) {
            replaceInstalled(translator.release());
            return true;
        }
    }
    return false;
}

} // namespace Components
} // namespace Nalu
