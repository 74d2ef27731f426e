// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonPriority.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief A button for a primary information: the main action of its area.
 *
 * A push button for a primary information.
 *
 * Style sheet selectors: ButtonType="Priority" and Order="Primary", both set in the constructor. The parent-only
 * constructor shows the translated word "Primary".
 */
class COMPONENTSLIBRARY_EXPORT ButtonPrimary : public ButtonPriority
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A button for a primary information: the main action of its area. Set outline to true for the outline "
                "rendering.")

public:
    /** @brief Creates the button with the default text tr("Primary"). */
    explicit ButtonPrimary(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonPrimary(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonPrimary(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonPrimary() override;

protected:
    /** @brief Sets the style selector property Order="Primary"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonPrimary)
};

} // namespace Components
} // namespace Nalu
