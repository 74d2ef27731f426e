// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonStatus.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief A button for a configuration message: opens or applies settings.
 *
 * A push button for a configuration message.
 *
 * Style sheet selectors: ButtonType="Status" and Status="Config", both set in the constructor. The parent-only
 * constructor shows the translated word "Config".
 */
class COMPONENTSLIBRARY_EXPORT ButtonConfig : public ButtonStatus
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A button for a configuration message: opens or applies settings. Set outline to true for the outline "
                "rendering.")

public:
    /** @brief Creates the button with the default text tr("Config"). */
    explicit ButtonConfig(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonConfig(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonConfig(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonConfig() override;

protected:
    /** @brief Sets the style selector property Status="Config"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonConfig)
};

} // namespace Components
} // namespace Nalu
