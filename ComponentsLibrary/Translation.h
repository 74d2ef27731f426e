// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QLocale>
#include <QString>

namespace Nalu {
namespace Components {

/**
 * @brief Installs the library's translation for @p locale into the application.
 *
 * The texts the components show by themselves (the words of the semantic buttons, the error
 * message of the error-state inputs, "Log In" of the user connector, …) then appear in that
 * language: components created afterwards take them at once, and components already showing a
 * default text switch to it on the QEvent::LanguageChange that Qt sends. Texts the application
 * set itself are never touched.
 *
 * The locale's user-interface languages are tried in order (QLocale::uiLanguages()); the first
 * that the library has a translation for is installed, in place of the one installed before.
 * English, the language the library is written in, removes the installed translation.
 *
 * The library carries German, French, Spanish and Japanese. Returns false, and changes nothing,
 * when none of the locale's languages has a translation, when the file found cannot be read as
 * a translation, or when there is no QCoreApplication.
 *
 * @param locale the wanted language, for example QLocale::system() or QLocale(QLocale::German)
 * @param directory where to look for the translation files (named nalu_components_<language>.qm,
 *        for example nalu_components_de.qm) instead of the translations built into the library
 */
COMPONENTSLIBRARY_EXPORT bool installTranslation(const QLocale &locale, const QString &directory = QString());

} // namespace Components
} // namespace Nalu
