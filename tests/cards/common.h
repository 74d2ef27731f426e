#pragma once

// Shared fixtures of the card tests: a tiny icon theme and a style that highlights icons.

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>

namespace CardTest {

// Installs an icon theme "cardtest" whose icons are single-colour squares, one colour per name.
inline void installIconTheme(QTemporaryDir &dir, const QList<QPair<QString, QColor>> &icons)
{
    const QString themeDir = dir.path() + QStringLiteral("/cardtest");
    QDir().mkpath(themeDir + QStringLiteral("/64x64"));
    QFile index(themeDir + QStringLiteral("/index.theme"));
    index.open(QIODevice::WriteOnly);
    index.write("[Icon Theme]\nName=cardtest\nDirectories=64x64\n\n[64x64]\nSize=64\nType=Scalable\nMinSize=8\n"
                "MaxSize=256\n");
    index.close();
    for (const auto &icon : icons) {
        QImage image(64, 64, QImage::Format_ARGB32);
        image.fill(icon.second);
        image.save(themeDir + QStringLiteral("/64x64/") + icon.first + QStringLiteral(".png"));
    }
    QIcon::setThemeSearchPaths({dir.path()});
    QIcon::setThemeName(QStringLiteral("cardtest"));
}

// Answers SP_CustomBase with a square of the highlight colour and records the names asked for.
class HighlightStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption *option, const QWidget *widget) const override
    {
        if (pixmap != SP_CustomBase) {
            return QProxyStyle::standardIcon(pixmap, option, widget);
        }
        requests.append(widget ? widget->property("highlightedIcon").toString() : QString());
        // A mark in the middle half only, so that what lies below it stays visible.
        QPixmap mark(64, 64);
        mark.fill(Qt::transparent);
        QPainter(&mark).fillRect(16, 16, 32, 32, Qt::magenta);
        return QIcon(mark);
    }
    mutable QStringList requests;
};

inline QColor centreColour(const QLabel *label)
{
    const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
    return pixmap.toImage().pixelColor(pixmap.width() / 2, pixmap.height() / 2);
}

} // namespace CardTest
