// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonStatus.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief A button for a danger information: a destructive or irreversible action.
 *
 * A push button for a danger information.
 *
 * Style sheet selectors: ButtonType="Status" and Status="Danger", both set in the constructor. The parent-only
 * constructor shows the translated word "Danger".
 */
class COMPONENTSLIBRARY_EXPORT ButtonDanger : public ButtonStatus
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A button for a danger information: a destructive or irreversible action. Set outline to true for the "
                "outline rendering.")

public:
    /** @brief Creates the button with the default text tr("Danger"). */
    explicit ButtonDanger(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonDanger(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonDanger(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonDanger() override;

protected:
    /** @brief Sets the style selector property Status="Danger"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonDanger)
};

} // namespace Components
} // namespace Nalu
