#include "Screenshots.h"

#include "GalleryPage.h"
#include "GalleryWindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QSize>
#include <QTextStream>

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
                    bool wholePages)
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

        const QString variant
            = window.themeVariant() == Theme::Variant::Dark ? QStringLiteral("dark") : QStringLiteral("light");
        const QString path = dir.filePath(screenshotFileName(index + 1, window.page(index)->title(), variant));
        // Quality 0 asks for the strongest compression: the pictures go into the repository.
        if (!window.grab().save(path, "PNG", 0)) {
            err << QApplication::translate("Screenshots", "Cannot write %1").arg(path) << Qt::endl;
            return 1;
        }
        out << path << Qt::endl;
    }
    return 0;
}

} // namespace Gallery
} // namespace Nalu
