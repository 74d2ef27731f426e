// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButtonHighlighted.h>

#include "DefaultText_p.h"

namespace Nalu {
namespace Components {

ToolButtonHighlighted::ToolButtonHighlighted(QWidget *parent)
    : ToolButton(parent, false, true, false, false)
{
    setText(tr("..."));
    Internal::keepDefaultText(this, [] { return tr("..."); });
}

ToolButtonHighlighted::~ToolButtonHighlighted() = default;

} // namespace Components
} // namespace Nalu
