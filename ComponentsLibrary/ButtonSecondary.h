// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonPriority.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief A button for a secondary information: an action that stands beside the primary one.
 *
 * A push button for a secondary information.
 *
 * Style sheet selectors: ButtonType="Priority" and Order="Secondary", both set in the constructor. The parent-only
 * constructor shows the translated word "Secondary".
 */
class COMPONENTSLIBRARY_EXPORT ButtonSecondary : public ButtonPriority
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A button for a secondary information: an action that stands beside the primary one. Set outline to "
                "true for the outline rendering.")

public:
    /** @brief Creates the button with the default text tr("Secondary"). */
    explicit ButtonSecondary(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonSecondary(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonSecondary(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonSecondary() override;

protected:
    /** @brief Sets the style selector property Order="Secondary"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonSecondary)
};

} // namespace Components
} // namespace Nalu
