// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButtonCircular.h>

#include "DefaultText_p.h"

namespace Nalu {
namespace Components {

PushButtonCircular::PushButtonCircular(QWidget *parent)
    : PushButton(tr("PushButtonCircular"), parent, false, false, true, false)
{
    Internal::keepDefaultText(this, [] { return tr("PushButtonCircular"); });
}

PushButtonCircular::PushButtonCircular(const QString &text, QWidget *parent)
    : PushButton(text, parent, false, false, true, false)
{
}

PushButtonCircular::PushButtonCircular(const QIcon &icon, const QString &text, QWidget *parent)
    : PushButton(icon, text, parent, false, false, true, false)
{
}

PushButtonCircular::~PushButtonCircular() = default;

} // namespace Components
} // namespace Nalu
