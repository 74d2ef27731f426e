// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButtonCircular.h>

#include "DefaultText_p.h"

namespace Nalu {
namespace Components {

ToolButtonCircular::ToolButtonCircular(QWidget *parent)
    : ToolButton(parent, false, false, true, false)
{
    setText(tr("ToolButtonCircular"));
    Internal::keepDefaultText(this, [] { return tr("ToolButtonCircular"); });
}

ToolButtonCircular::~ToolButtonCircular() = default;

} // namespace Components
} // namespace Nalu
