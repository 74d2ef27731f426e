// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/PushButton.h>

namespace Nalu {
namespace Components {

/**
 * @brief A push button with a circular border.
 *
 * A PushButton constructed with the circular flag on.
 *
 * Otherwise it is an ordinary PushButton: the flag can be changed later through its property.
 */
class COMPONENTSLIBRARY_EXPORT PushButtonCircular : public PushButton
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A push button with a circular border. Give it a square size (for example 32 x 32 or 48 x 48 pixels), "
                "otherwise the circle is not rendered correctly.")
    Q_CLASSINFO("example",
                "auto *add = new Nalu::Components::PushButtonCircular(QIcon::fromTheme(QStringLiteral(\"list-add\")), "
                "QString(), parent);\nadd->setFixedSize(32, 32);\nadd->setIconSize(QSize(24, 24));")

public:
    /** @brief Creates the button with the default text tr("PushButtonCircular"). */
    explicit PushButtonCircular(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; circular true, the other appearance flags false. */
    PushButtonCircular(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; circular true, the other appearance flags false. */
    PushButtonCircular(const QIcon &icon, const QString &text, QWidget *parent);
    ~PushButtonCircular() override;

private:
    Q_DISABLE_COPY(PushButtonCircular)
};

} // namespace Components
} // namespace Nalu
