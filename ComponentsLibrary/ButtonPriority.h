// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/PushButton.h>

namespace Nalu {
namespace Components {

/**
 * @brief A push button whose role is an order of importance (primary, secondary or tertiary).
 *
 * Carries the constant style selector property ButtonType="Priority", set in the
 * constructor; the leaf classes add the concrete role.
 */
class COMPONENTSLIBRARY_EXPORT ButtonPriority : public PushButton
{
    Q_OBJECT

public:
    /** @brief Creates the button without text; all appearance flags false. */
    explicit ButtonPriority(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonPriority(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonPriority(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonPriority() override;

protected:
    /** @brief Sets the style selector property ButtonType="Priority"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonPriority)
};

} // namespace Components
} // namespace Nalu
