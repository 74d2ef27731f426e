// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/ToolButtonPopUpBase.h>

namespace Nalu {
namespace Components {

/**
 * @brief A tool button that opens a pop-up menu as soon as it is pressed and shows one arbitrary widget as the whole
 * content of that menu, for example a slider, a small form or a colour palette.
 *
 * An instant pop-up tool button whose menu shows one widget given by the application.
 */
class COMPONENTSLIBRARY_EXPORT ToolButtonPopUp : public ToolButtonPopUpBase
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A tool button that opens a pop-up menu as soon as it is pressed and shows one arbitrary widget as "
                "the whole content of that menu, for example a slider, a small form or a colour palette. Give the "
                "widget with setMenuWidget; the menu takes ownership of it, and calling setMenuWidget again with the "
                "same widget keeps using it. The button shows no menu arrow (selector property \"no menu arrow\").\n\n"
                "Set drawPopUpIndicator to paint a small triangle in the lower right corner and turn the button into "
                "a split button: a press in the lower right third opens the menu, a press elsewhere clicks the "
                "button, or toggles it when it is checkable.")
    Q_CLASSINFO("example_slider",
                "auto *button = new Nalu::Components::ToolButtonPopUp(parent);\n"
                "button->setIcon(QIcon::fromTheme(QStringLiteral(\"audio-volume-medium\")));\n"
                "button->setToolTip(QObject::tr(\"Volume\"));\n"
                "auto *content = new QWidget;\n"
                "auto *layout = new QHBoxLayout(content);\n"
                "auto *slider = new QSlider(Qt::Horizontal, content);\n"
                "slider->setRange(0, 100);\n"
                "layout->addWidget(slider);\n"
                "button->setMenuWidget(content);\n")

public:
    /** @brief Creates the button without a pop-up widget; setMenuWidget() gives it one. */
    explicit ToolButtonPopUp(QWidget *parent = nullptr);
    ~ToolButtonPopUp() override;

    /** @brief Makes the widget the whole content of a fresh menu; a null widget is ignored. */
    void setMenuWidget(QWidget *widget) override;

private:
    Q_DISABLE_COPY(ToolButtonPopUp)
};

} // namespace Components
} // namespace Nalu
