// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButton.h>

#include "ButtonFlags_p.h"

namespace Nalu {
namespace Components {

ToolButton::ToolButton(QWidget *parent, bool outline, bool highlighted, bool circular, bool frameless)
    : QToolButton(parent)
    , ButtonBase(outline, highlighted, circular, frameless)
{
}

ToolButton::~ToolButton() = default;

void ToolButton::setOutline(bool outline)
{
    Internal::assignButtonFlag(this, m_outline, outline, &ToolButton::outlineChanged);
}

void ToolButton::setHighlighted(bool highlighted)
{
    Internal::assignButtonFlag(this, m_highlighted, highlighted, &ToolButton::highlightedChanged);
}

void ToolButton::setCircular(bool circular)
{
    Internal::assignButtonFlag(this, m_circular, circular, &ToolButton::circularChanged);
}

void ToolButton::setFrameless(bool frameless)
{
    Internal::assignButtonFlag(this, m_frameless, frameless, &ToolButton::framelessChanged);
}

} // namespace Components
} // namespace Nalu
