// SPDX-License-Identifier: MIT

#include <ComponentsTheme/Style.h>
#include <ComponentsTheme/Theme.h>

#include "Palette_p.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPointer>
#include <QWidget>

namespace Nalu {
namespace Theme {

namespace {

QString variantName(Variant variant)
{
    return variant == Variant::Dark ? QStringLiteral("dark") : QStringLiteral("light");
}

} // namespace

QColor color(Variant variant, const QString &name)
{
    for (const Generated::NamedColor &entry : Generated::palette) {
        if (name == QLatin1String(entry.name)) {
            return QColor(QLatin1String(variant == Variant::Dark ? entry.dark : entry.light));
        }
    }
    return {};
}

QStringList colorNames()
{
    QStringList names;
    for (const Generated::NamedColor &entry : Generated::palette) {
        names.append(QLatin1String(entry.name));
    }
    return names;
}

QPalette palette(Variant variant)
{
    const auto c = [variant](const char *name) { return color(variant, QLatin1String(name)); };
    QPalette result(c("Surface"), c("Window"));
    result.setColor(QPalette::WindowText, c("Text"));
    result.setColor(QPalette::Base, c("Card"));
    result.setColor(QPalette::AlternateBase, c("Surface"));
    result.setColor(QPalette::Text, c("Text"));
    result.setColor(QPalette::ButtonText, c("Text"));
    result.setColor(QPalette::BrightText, c("OnAccent"));
    result.setColor(QPalette::Light, c("SurfaceHover"));
    result.setColor(QPalette::Midlight, c("SurfacePressed"));
    result.setColor(QPalette::Mid, c("BorderSubtle"));
    result.setColor(QPalette::Dark, c("Border"));
    result.setColor(QPalette::Shadow, c("Border"));
    result.setColor(QPalette::Highlight, c("Accent"));
    result.setColor(QPalette::HighlightedText, c("OnAccent"));
    result.setColor(QPalette::Link, c("Accent"));
    result.setColor(QPalette::LinkVisited, c("Config"));
    result.setColor(QPalette::ToolTipBase, c("Card"));
    result.setColor(QPalette::ToolTipText, c("Text"));
    result.setColor(QPalette::PlaceholderText, c("TextMuted"));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        result.setColor(QPalette::Disabled, role, c("TextDisabled"));
    }
    result.setColor(QPalette::Disabled, QPalette::Highlight, c("BorderSubtle"));
    return result;
}

QString styleSheet(Variant variant)
{
    QFile file(QStringLiteral(":/nalu-theme/%1.qss").arg(variantName(variant)));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString iconThemeName(Variant variant)
{
    return QStringLiteral("nalu-") + variantName(variant);
}

QString iconThemeSearchPath()
{
    return QStringLiteral(":/nalu-theme/icons");
}

QStringList iconNames()
{
    QStringList names;
    for (const char *name : Generated::iconNames) {
        names.append(QLatin1String(name));
    }
    return names;
}

void apply(QApplication &application, Variant variant, const QString &extraStyleSheet)
{
    QStringList searchPaths = QIcon::themeSearchPaths();
    if (!searchPaths.contains(iconThemeSearchPath())) {
        searchPaths.prepend(iconThemeSearchPath());
        QIcon::setThemeSearchPaths(searchPaths);
    }
    QIcon::setThemeName(iconThemeName(variant));
    QApplication::setPalette(palette(variant));
    // The application owns its style and deletes the previous one.
    QApplication::setStyle(new Style(variant));
    application.setStyleSheet(QString(styleSheet(variant) + extraStyleSheet));

    // Qt re-polishes existing widgets through the style only; components that
    // build part of their look on the polish event (the checked card's mark)
    // need the event itself to pick up the new variant.
    QList<QPointer<QWidget>> widgets;
    for (QWidget *widget : QApplication::allWidgets()) {
        widgets.append(widget);
    }
    for (const QPointer<QWidget> &widget : qAsConst(widgets)) {
        if (widget && widget->windowType() != Qt::Desktop && widget->testAttribute(Qt::WA_WState_Polished)) {
            QEvent polish(QEvent::Polish);
            QCoreApplication::sendEvent(widget, &polish);
        }
    }
}

} // namespace Theme
} // namespace Nalu
