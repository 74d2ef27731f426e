// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonSecondary.h>

#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonSecondary::ButtonSecondary(QWidget *parent)
    : ButtonPriority(tr("Secondary"), parent)
{
    commonInit();
    Internal::keepDefaultText(this, [] { return tr("Secondary"); });
}

ButtonSecondary::ButtonSecondary(const QString &text, QWidget *parent)
    : ButtonPriority(text, parent)
{
    commonInit();
}

ButtonSecondary::ButtonSecondary(const QIcon &icon, const QString &text, QWidget *parent)
    : ButtonPriority(icon, text, parent)
{
    commonInit();
}

ButtonSecondary::~ButtonSecondary() = default;

void ButtonSecondary::commonInit()
{
    setProperty("Order", QStringLiteral("Secondary"));
}

} // namespace Components
} // namespace Nalu
