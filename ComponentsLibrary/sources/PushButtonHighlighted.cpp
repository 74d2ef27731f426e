// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButtonHighlighted.h>

#include "DefaultText_p.h"

namespace Nalu {
namespace Components {

PushButtonHighlighted::PushButtonHighlighted(QWidget *parent)
    : PushButton(tr("PushButtonHighlighted"), parent, false, true, false, false)
{
    Internal::keepDefaultText(this, [] { return tr("PushButtonHighlighted"); });
}

PushButtonHighlighted::PushButtonHighlighted(const QString &text, QWidget *parent)
    : PushButton(text, parent, false, true, false, false)
{
}

PushButtonHighlighted::PushButtonHighlighted(const QIcon &icon, const QString &text, QWidget *parent)
    : PushButton(icon, text, parent, false, true, false, false)
{
}

PushButtonHighlighted::~PushButtonHighlighted() = default;

} // namespace Components
} // namespace Nalu
