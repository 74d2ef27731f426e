// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/ToolButton.h>

namespace Nalu {
namespace Components {

/**
 * @brief A tool button with a circular border.
 *
 * A ToolButton constructed with the circular flag on.
 *
 * Otherwise it is an ordinary ToolButton: the flag can be changed later through its property.
 */
class COMPONENTSLIBRARY_EXPORT ToolButtonCircular : public ToolButton
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A tool button with a circular border. Give it a square size (for example 48 x 48 pixels with a 32 x "
                "32 icon), otherwise the circle is not rendered correctly.")
    Q_CLASSINFO("example",
                "auto *play = new "
                "Nalu::Components::ToolButtonCircular(parent);\nplay->setIcon(QIcon::fromTheme(QStringLiteral(\"media-"
                "playback-start\")));\nplay->setFixedSize(48, 48);\nplay->setIconSize(QSize(32, 32));")

public:
    /** @brief Creates the button with the default text tr("ToolButtonCircular"). */
    explicit ToolButtonCircular(QWidget *parent = nullptr);
    ~ToolButtonCircular() override;

private:
    Q_DISABLE_COPY(ToolButtonCircular)
};

} // namespace Components
} // namespace Nalu
