// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButtonPopUp.h>

namespace Nalu {
namespace Components {

ToolButtonPopUp::ToolButtonPopUp(QWidget *parent)
    : ToolButtonPopUpBase(parent)
{
}

ToolButtonPopUp::~ToolButtonPopUp() = default;

void ToolButtonPopUp::setMenuWidget(QWidget *widget)
{
    ToolButtonPopUpBase::setMenuWidget(widget);
}

} // namespace Components
} // namespace Nalu
