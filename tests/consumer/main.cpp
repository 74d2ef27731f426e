// SPDX-License-Identifier: MIT

// Uses the library as an application would: installed headers (both header
// forms), the exported target and the sibling libraries it brings along.
#include <ComponentsLibrary/ButtonDanger>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/ToolButton.h>
#include <ComponentsTheme/Theme.h>

#include <vantor_common_utils/Helpers.h>

#include <QApplication>
#include <QIcon>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Nalu::Theme::apply(app, Nalu::Theme::Variant::Dark);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *primary = new Nalu::Components::ButtonPrimary(&window);
    auto *danger = new Nalu::Components::ButtonDanger(QStringLiteral("Delete"), &window);
    auto *tool = new Nalu::Components::ToolButton(&window, false, false, true, false);
    danger->setOutline(true);
    layout->addWidget(primary);
    layout->addWidget(danger);
    layout->addWidget(tool);
    window.show();
    QApplication::processEvents();

    const bool ok = primary->text() == QStringLiteral("Primary")
        && primary->property("Order").toString() == QStringLiteral("Primary")
        && danger->property("Status").toString() == QStringLiteral("Danger") && danger->isOutline()
        && tool->isCircular() && Nalu::Helpers::getReadableForegroundColor(Qt::white) == QColor(Qt::black)
        && !QIcon::fromTheme(QStringLiteral("chevron.down")).isNull()
        && app.styleSheet() == Nalu::Theme::styleSheet(Nalu::Theme::Variant::Dark)
        // The package and the Qt it loads at run time are of the major version asked for.
        && QT_VERSION_MAJOR == NALU_EXPECTED_QT_MAJOR
        && QString::fromLatin1(qVersion()).section(QLatin1Char('.'), 0, 0) == QString::number(NALU_EXPECTED_QT_MAJOR);
    std::printf("consumer (Qt %s): %s\n", qVersion(), ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}
