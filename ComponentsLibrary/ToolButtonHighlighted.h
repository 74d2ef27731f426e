// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/ToolButton.h>

namespace Nalu {
namespace Components {

/**
 * @brief A tool button that looks highlighted when checked.
 *
 * A ToolButton constructed with the highlighted flag on.
 *
 * Otherwise it is an ordinary ToolButton: the flag can be changed later through its property.
 */
class COMPONENTSLIBRARY_EXPORT ToolButtonHighlighted : public ToolButton
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A tool button that looks highlighted when checked. Typically a checkable member of a button group.")
    Q_CLASSINFO("example",
                "auto *group = new Nalu::Components::ButtonGroupWidget(parent);\ngroup->setExclusive(true);\nfor "
                "(const QString &name : {QStringLiteral(\"edit-cut\"), QStringLiteral(\"edit-copy\"), "
                "QStringLiteral(\"edit-paste\")}) {\n    auto *button = new "
                "Nalu::Components::ToolButtonHighlighted(nullptr);\n    button->setIcon(QIcon::fromTheme(name));\n    "
                "group->addButton(button);\n}\ngroup->getButton(0)->setChecked(true);")

public:
    /** @brief Creates the button with the default text tr("..."). */
    explicit ToolButtonHighlighted(QWidget *parent = nullptr);
    ~ToolButtonHighlighted() override;

private:
    Q_DISABLE_COPY(ToolButtonHighlighted)
};

} // namespace Components
} // namespace Nalu
