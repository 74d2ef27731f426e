// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonStatus.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief A button for an information message: shows details or help.
 *
 * A push button for an information message.
 *
 * Style sheet selectors: ButtonType="Status" and Status="Info", both set in the constructor. The parent-only
 * constructor shows the translated word "Info".
 */
class COMPONENTSLIBRARY_EXPORT ButtonInfo : public ButtonStatus
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO(
        "description",
        "A button for an information message: shows details or help. Set outline to true for the outline rendering.")

public:
    /** @brief Creates the button with the default text tr("Info"). */
    explicit ButtonInfo(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonInfo(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonInfo(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonInfo() override;

protected:
    /** @brief Sets the style selector property Status="Info"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonInfo)
};

} // namespace Components
} // namespace Nalu
