// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonBase.h>

namespace Nalu {
namespace Components {

ButtonBase::ButtonBase(bool outline, bool highlighted, bool circular, bool frameless)
    : m_outline(outline)
    , m_highlighted(highlighted)
    , m_circular(circular)
    , m_frameless(frameless)
{
}

} // namespace Components
} // namespace Nalu
