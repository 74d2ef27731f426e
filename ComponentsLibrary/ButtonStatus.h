// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/PushButton.h>

namespace Nalu {
namespace Components {

/**
 * @brief A push button whose role is the kind of message it answers (configuration, danger, information, success or
 * warning).
 *
 * Carries the constant style selector property ButtonType="Status", set in the
 * constructor; the leaf classes add the concrete role.
 */
class COMPONENTSLIBRARY_EXPORT ButtonStatus : public PushButton
{
    Q_OBJECT

public:
    /** @brief Creates the button without text; all appearance flags false. */
    explicit ButtonStatus(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; all appearance flags false. */
    ButtonStatus(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; all appearance flags false. */
    ButtonStatus(const QIcon &icon, const QString &text, QWidget *parent);
    ~ButtonStatus() override;

protected:
    /** @brief Sets the style selector property ButtonType="Status"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(ButtonStatus)
};

} // namespace Components
} // namespace Nalu
