// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonPrimary.h>

#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonPrimary::ButtonPrimary(QWidget *parent)
    : ButtonPriority(tr("Primary"), parent)
{
    commonInit();
    Internal::keepDefaultText(this, [] { return tr("Primary"); });
}

ButtonPrimary::ButtonPrimary(const QString &text, QWidget *parent)
    : ButtonPriority(text, parent)
{
    commonInit();
}

ButtonPrimary::ButtonPrimary(const QIcon &icon, const QString &text, QWidget *parent)
    : ButtonPriority(icon, text, parent)
{
    commonInit();
}

ButtonPrimary::~ButtonPrimary() = default;

void ButtonPrimary::commonInit()
{
    setProperty("Order", QStringLiteral("Primary"));
}

} // namespace Components
} // namespace Nalu
