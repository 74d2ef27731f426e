// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/PushButton.h>

namespace Nalu {
namespace Components {

/**
 * @brief A push button that looks highlighted when checked.
 *
 * A PushButton constructed with the highlighted flag on.
 *
 * Otherwise it is an ordinary PushButton: the flag can be changed later through its property.
 */
class COMPONENTSLIBRARY_EXPORT PushButtonHighlighted : public PushButton
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A push button that looks highlighted when checked. Typically a checkable member of a button group.")
    Q_CLASSINFO("example",
                "auto *group = new Nalu::Components::ButtonGroupWidget(parent);\ngroup->setExclusive(true);\nfor "
                "(const QString &text : {QStringLiteral(\"Day\"), QStringLiteral(\"Week\"), "
                "QStringLiteral(\"Month\")})\n    group->addButton(new Nalu::Components::PushButtonHighlighted(text, "
                "nullptr));\ngroup->getButton(0)->setChecked(true);")

public:
    /** @brief Creates the button with the default text tr("PushButtonHighlighted"). */
    explicit PushButtonHighlighted(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; highlighted true, the other appearance flags false. */
    PushButtonHighlighted(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; highlighted true, the other appearance flags false. */
    PushButtonHighlighted(const QIcon &icon, const QString &text, QWidget *parent);
    ~PushButtonHighlighted() override;

private:
    Q_DISABLE_COPY(PushButtonHighlighted)
};

} // namespace Components
} // namespace Nalu
