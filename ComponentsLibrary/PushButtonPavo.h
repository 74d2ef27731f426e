// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QPushButton>

namespace Nalu {
namespace Components {

/**
 * @brief A push button styled for the Pavo application: the style gives it a different background colour while
 * unchecked and while hovered.
 *
 * A QPushButton styled for the Pavo application.
 *
 * It has none of the library's appearance flags; the constructor only sets the style selector property
 * ButtonType="Pavo".
 */
class COMPONENTSLIBRARY_EXPORT PushButtonPavo : public QPushButton
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A push button styled for the Pavo application: the style gives it a different background colour while "
                "unchecked and while hovered. It carries the style sheet selector ButtonType=\"Pavo\".")

public:
    /** @brief Creates the button without text; sets the selector property ButtonType="Pavo", as every constructor does.
     */
    explicit PushButtonPavo(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text. */
    PushButtonPavo(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text. */
    PushButtonPavo(const QIcon &icon, const QString &text, QWidget *parent);
    ~PushButtonPavo() override;

protected:
    /** @brief Sets the style selector property ButtonType="Pavo"; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(PushButtonPavo)
};

} // namespace Components
} // namespace Nalu
