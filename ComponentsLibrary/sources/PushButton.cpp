// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButton.h>

#include "ButtonFlags_p.h"

namespace Nalu {
namespace Components {

PushButton::PushButton(QWidget *parent, bool outline, bool highlighted, bool circular, bool frameless)
    : QPushButton(parent)
    , ButtonBase(outline, highlighted, circular, frameless)
{
}

PushButton::PushButton(const QString &text, QWidget *parent, bool outline, bool highlighted, bool circular,
                       bool frameless)
    : QPushButton(text, parent)
    , ButtonBase(outline, highlighted, circular, frameless)
{
}

PushButton::PushButton(const QIcon &icon, const QString &text, QWidget *parent, bool outline, bool highlighted,
                       bool circular, bool frameless)
    : QPushButton(icon, text, parent)
    , ButtonBase(outline, highlighted, circular, frameless)
{
}

PushButton::~PushButton() = default;

void PushButton::setOutline(bool outline)
{
    Internal::assignButtonFlag(this, m_outline, outline, &PushButton::outlineChanged);
}

void PushButton::setHighlighted(bool highlighted)
{
    Internal::assignButtonFlag(this, m_highlighted, highlighted, &PushButton::highlightedChanged);
}

void PushButton::setCircular(bool circular)
{
    Internal::assignButtonFlag(this, m_circular, circular, &PushButton::circularChanged);
}

void PushButton::setFrameless(bool frameless)
{
    Internal::assignButtonFlag(this, m_frameless, frameless, &PushButton::framelessChanged);
}

} // namespace Components
} // namespace Nalu
