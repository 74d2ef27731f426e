// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonTertiary.h>

#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonTertiary::ButtonTertiary(QWidget *parent)
    : ButtonPriority(tr("Tertiary"), parent)
{
    commonInit();
    Internal::keepDefaultText(this, [] { return tr("Tertiary"); });
}

ButtonTertiary::ButtonTertiary(const QString &text, QWidget *parent)
    : ButtonPriority(text, parent)
{
    commonInit();
}

ButtonTertiary::ButtonTertiary(const QIcon &icon, const QString &text, QWidget *parent)
    : ButtonPriority(icon, text, parent)
{
    commonInit();
}

ButtonTertiary::~ButtonTertiary() = default;

void ButtonTertiary::commonInit()
{
    setProperty("Order", QStringLiteral("Tertiary"));
}

} // namespace Components
} // namespace Nalu
