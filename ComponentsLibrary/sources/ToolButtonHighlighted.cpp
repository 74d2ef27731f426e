// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButtonHighlighted.h>

namespace Nalu {
namespace Components {

ToolButtonHighlighted::ToolButtonHighlighted(QWidget *parent)
    : ToolButton(parent, false, true, false, false)
{
    setText(tr("..."));
}

ToolButtonHighlighted::~ToolButtonHighlighted() = default;

} // namespace Components
} // namespace Nalu
