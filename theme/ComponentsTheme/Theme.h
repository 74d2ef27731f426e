// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsTheme/ComponentsThemeExport.h>

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>

class QApplication;

namespace Nalu {
namespace Theme {

/** @brief The two looks of the reference theme. */
enum class Variant { Light, Dark };

/**
 * @brief Gives the whole application the reference theme in @p variant.
 *
 * Replaces the application's palette, style, icon theme and style sheet
 * (whether a previous call or the application set them) with the variant's
 * palette, a Nalu::Theme::Style over Fusion (it sets the theme properties the
 * components read and answers their highlighted-icon requests), the
 * variant's icon theme and its style sheet followed by @p extraStyleSheet
 * (the application's own rules, which may use palette() roles to follow the
 * variant). Widgets that already exist are polished again, so switching the
 * variant at run time works.
 */
COMPONENTSTHEME_EXPORT void apply(QApplication &application, Variant variant, const QString &extraStyleSheet = {});

/** @brief The colour named @p name in @p variant's palette; an invalid colour for an unknown name. */
COMPONENTSTHEME_EXPORT QColor color(Variant variant, const QString &name);

/** @brief The names of the palette's colours, in the order they are declared. */
COMPONENTSTHEME_EXPORT QStringList colorNames();

/** @brief The Qt palette of @p variant, built from the named colours. */
COMPONENTSTHEME_EXPORT QPalette palette(Variant variant);

/** @brief The style sheet of @p variant, as apply() installs it before the application's own rules. */
COMPONENTSTHEME_EXPORT QString styleSheet(Variant variant);

/** @brief The name of @p variant's icon theme ("nalu-light" or "nalu-dark"). */
COMPONENTSTHEME_EXPORT QString iconThemeName(Variant variant);

/** @brief Where the icon themes live; apply() adds it to QIcon::themeSearchPaths(). */
COMPONENTSTHEME_EXPORT QString iconThemeSearchPath();

/** @brief Every icon name the components look up, each present in both icon themes. */
COMPONENTSTHEME_EXPORT QStringList iconNames();

} // namespace Theme
} // namespace Nalu
