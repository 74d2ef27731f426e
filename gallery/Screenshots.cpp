// SPDX-License-Identifier: MIT

#include "Screenshots.h"

#include "GalleryPage.h"
#include "GalleryWindow.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QTextStream>
#include <QVector>

#include <algorithm>

namespace Nalu {
namespace Gallery {

namespace {

const QSize BaseWindowSize(1100, 800);

// Makes the window tall enough for the current page to show without
// scrolling, so that its screenshot holds the whole page.
void fitWindowToPage(GalleryWindow &window, GalleryPage &page)
{
    const QWidget *content = page.widget();
    const int viewportWidth = page.viewport()->width();
    const int needed
        = content->hasHeightForWidth() ? content->heightForWidth(viewportWidth) : content->sizeHint().height();
    const int missing = needed - page.viewport()->height();
    if (missing > 0) {
        window.resize(window.width(), window.height() + missing);
    }
}

// @p image in its 256 most frequent colours, every other colour mapped to the
// nearest of them: a user interface is mostly flat colours, and its PNG
// shrinks to about half.
QImage inFrequentColors(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++counts[line[x]];
        }
    }
    QVector<QPair<int, QRgb>> byCount;
    byCount.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        byCount.append({it.value(), it.key()});
    }
    std::sort(byCount.begin(), byCount.end(), [](const auto &a, const auto &b) {
        // Ties by colour, so that the same picture always gives the same file.
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QVector<QRgb> table;
    for (int i = 0; i < byCount.size() && i < 256; ++i) {
        table.append(byCount.at(i).second);
    }
    return rgb.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

} // namespace

QString screenshotFileName(int position, const QString &title, const QString &suffix)
{
    QString slug;
    bool pendingSeparator = false;
    for (const QChar c : title) {
        if (c.isLetterOrNumber()) {
            if (pendingSeparator && !slug.isEmpty()) {
                slug += QLatin1Char('-');
            }
            pendingSeparator = false;
            slug += c.toLower();
        } else {
            pendingSeparator = true;
        }
    }
    if (!suffix.isEmpty()) {
        slug += QLatin1Char('-') + suffix;
    }
    return QStringLiteral("%1-%2.png").arg(position, 2, 10, QLatin1Char('0')).arg(slug);
}

int saveScreenshots(GalleryWindow &window, const QString &directory, QTextStream &out, QTextStream &err,
                    bool wholePages, const QString &language, const QString &scale, bool rightToLeft)
{
    const QDir dir(directory);
    if (!dir.mkpath(QStringLiteral("."))) {
        err << QApplication::translate("Screenshots", "Cannot create the directory %1").arg(directory) << Qt::endl;
        return 2;
    }

    window.resize(BaseWindowSize);
    window.show();
    QApplication::processEvents();

    for (int index = 0; index < window.pageCount(); ++index) {
        window.setCurrentPage(index);
        window.resize(BaseWindowSize);
        QApplication::processEvents();
        if (wholePages) {
            fitWindowToPage(window, *window.page(index));
            QApplication::processEvents();
        }

        QString variant
            = window.themeVariant() == Theme::Variant::Dark ? QStringLiteral("dark") : QStringLiteral("light");
        if (!language.isEmpty()) {
            variant += QLatin1Char('-') + language;
        }
        if (rightToLeft) {
            variant += QLatin1String("-rtl");
        }
        if (!scale.isEmpty()) {
            variant += QLatin1String("-x") + scale;
        }
        const QString path = dir.filePath(screenshotFileName(index + 1, window.page(index)->title(), variant));
        // Quality 0 asks for the strongest compression.
        const QImage image = window.grab().toImage();
        if (!(wholePages ? image : inFrequentColors(image)).save(path, "PNG", 0)) {
            err << QApplication::translate("Screenshots", "Cannot write %1").arg(path) << Qt::endl;
            return 1;
        }
        out << path << Qt::endl;
    }
    return 0;
}

} // namespace Gallery
} // namespace Nalu
