// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonPriority.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief A button for a tertiary information: a minor action that should not draw the eye.
 *
 * A push button for a tertiary information.
 *
 * Style sheet selectors: ButtonType="Priority" and Order="Tertiary", both set in the constructor. The parent-only
 * constructor shows the translated word "Tertiary".
 */
class COMPONENTSLIBRARY_EXPORT ButtonTertiary : public ButtonPriority
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A button for a tertiary information: a minor action that should not draw the eye. Set outline to true "
                "for the outline rendering.")

public:
    /** @brief Creates the button with the default text tr("Tertiary"). */
    explicit ButtonTertiary(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonTertiary(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonTertiary(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonTertiary() override;

protected:
    /** @brief Sets the style selector property Order="Tertiary"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonTertiary)
};

} // namespace Components
} // namespace Nalu
