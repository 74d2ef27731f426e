// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonConfig.h>

#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonConfig::ButtonConfig(QWidget *parent)
    : ButtonStatus(tr("Config"), parent)
{
    commonInit();
    Internal::keepDefaultText(this, [] { return tr("Config"); });
}

ButtonConfig::ButtonConfig(const QString &text, QWidget *parent)
    : ButtonStatus(text, parent)
{
    commonInit();
}

ButtonConfig::ButtonConfig(const QIcon &icon, const QString &text, QWidget *parent)
    : ButtonStatus(icon, text, parent)
{
    commonInit();
}

ButtonConfig::~ButtonConfig() = default;

void ButtonConfig::commonInit()
{
    setProperty("Status", QStringLiteral("Config"));
}

} // namespace Components
} // namespace Nalu
