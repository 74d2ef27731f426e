// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonStatus.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief A button for a warning information: an action that needs care.
 *
 * A push button for a warning information.
 *
 * Style sheet selectors: ButtonType="Status" and Status="Warning", both set in the constructor. The parent-only
 * constructor shows the translated word "Warning".
 */
class COMPONENTSLIBRARY_EXPORT ButtonWarning : public ButtonStatus
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO(
        "description",
        "A button for a warning information: an action that needs care. Set outline to true for the outline rendering.")

public:
    /** @brief Creates the button with the default text tr("Warning"). */
    explicit ButtonWarning(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonWarning(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonWarning(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonWarning() override;

protected:
    /** @brief Sets the style selector property Status="Warning"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonWarning)
};

} // namespace Components
} // namespace Nalu
