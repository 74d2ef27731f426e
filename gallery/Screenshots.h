// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QTextStream;

namespace Nalu {
namespace Gallery {

class GalleryWindow;

/**
 * @brief The PNG file name for a page: two-digit position, then the title in lower-case words joined by '-'.
 *
 * For example position 2 and "Cards and expanders" give "02-cards-and-expanders.png";
 * a @p suffix such as "dark" gives "02-cards-and-expanders-dark.png".
 */
QString screenshotFileName(int position, const QString &title, const QString &suffix = {});

/**
 * @brief Renders every page of @p window to a PNG in @p directory, creating it if needed.
 *
 * The window is 1100x800, made taller for a page that would otherwise scroll
 * unless @p wholePages is false, which keeps every picture at the first
 * screen and in its 256 most frequent colours, small enough for a repository.
 *
 * The file names end with "light" or "dark", after the window's theme variant, followed by
 * "-" and @p language when one is given ("01-buttons-light-ja.png"), then "-rtl" when
 * @p rightToLeft says the application is laid out from right to left ("01-buttons-light-rtl.png"),
 * then "-x" and @p scale, the gallery's scale factor, when one is given ("01-buttons-light-x2.png").
 * Each written path goes to @p out, one per line; problems go to @p err.
 * Returns the process exit code: 0 when every page was written.
 */
int saveScreenshots(GalleryWindow &window, const QString &directory, QTextStream &out, QTextStream &err,
                    bool wholePages = true, const QString &language = {}, const QString &scale = {},
                    bool rightToLeft = false);

} // namespace Gallery
} // namespace Nalu
