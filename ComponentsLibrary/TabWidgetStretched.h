// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QTabWidget>

namespace Nalu {
namespace Components {

/**
 * @brief A tab widget whose tabs the application style stretches over the whole tab bar.
 *
 * A QTabWidget using a TabBarStretched, so that the style stretches its tabs over the bar.
 *
 * Style sheet selector: stretched=true on the tab widget and on its tab bar, set in the constructor.
 */
class COMPONENTSLIBRARY_EXPORT TabWidgetStretched : public QTabWidget
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A tab widget whose tabs the application style stretches over the whole tab bar. Both the tab "
                "widget and its TabBarStretched carry the style selector property stretched=true.")
    Q_CLASSINFO("example",
                "auto *tabs = new Nalu::Components::TabWidgetStretched(parent);\n"
                "tabs->addTab(new QLabel(QObject::tr(\"Recent files\")), QObject::tr(\"Recent\"));\n"
                "tabs->addTab(new QLabel(QObject::tr(\"Shared with me\")), QObject::tr(\"Shared\"));\n"
                "tabs->addTab(new QLabel(QObject::tr(\"Trash is empty\")), QObject::tr(\"Trash\"));")

public:
    /** @brief Creates the tab widget with a TabBarStretched as its tab bar and the selector property stretched=true. */
    explicit TabWidgetStretched(QWidget *parent = nullptr);
    ~TabWidgetStretched() override;

private:
    Q_DISABLE_COPY(TabWidgetStretched)
};

} // namespace Components
} // namespace Nalu
