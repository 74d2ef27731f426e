// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonStatus.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief A button for a success information: confirms an action that went well.
 *
 * A push button for a success information.
 *
 * Style sheet selectors: ButtonType="Status" and Status="Success", both set in the constructor. The parent-only
 * constructor shows the translated word "Success".
 */
class COMPONENTSLIBRARY_EXPORT ButtonSuccess : public ButtonStatus
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A button for a success information: confirms an action that went well. Set outline to true for the "
                "outline rendering.")

public:
    /** @brief Creates the button with the default text tr("Success"). */
    explicit ButtonSuccess(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonSuccess(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonSuccess(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonSuccess() override;

protected:
    /** @brief Sets the style selector property Status="Success"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonSuccess)
};

} // namespace Components
} // namespace Nalu
