// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QToolButton>

namespace Nalu {
namespace Components {

/**
 * @brief A tool button styled for the Pavo application: the style gives it a different background colour while
 * unchecked and while hovered.
 *
 * A QToolButton styled for the Pavo application.
 *
 * It has none of the library's appearance flags; the constructor only sets the style selector property
 * ButtonType="Pavo".
 */
class COMPONENTSLIBRARY_EXPORT ToolButtonPavo : public QToolButton
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A tool button styled for the Pavo application: the style gives it a different background colour while "
                "unchecked and while hovered. It carries the style sheet selector ButtonType=\"Pavo\".")

public:
    /** @brief Creates the button and sets the selector property ButtonType="Pavo". */
    explicit ToolButtonPavo(QWidget *parent = nullptr);
    ~ToolButtonPavo() override;

private:
    Q_DISABLE_COPY(ToolButtonPavo)
};

} // namespace Components
} // namespace Nalu
