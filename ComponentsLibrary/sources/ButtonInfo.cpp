// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonInfo.h>

#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonInfo::ButtonInfo(QWidget *parent)
    : ButtonStatus(tr("Info"), parent)
{
    commonInit();
    Internal::keepDefaultText(this, [] { return tr("Info"); });
}

ButtonInfo::ButtonInfo(const QString &text, QWidget *parent)
    : ButtonStatus(text, parent)
{
    commonInit();
}

ButtonInfo::ButtonInfo(const QIcon &icon, const QString &text, QWidget *parent)
    : ButtonStatus(icon, text, parent)
{
    commonInit();
}

ButtonInfo::~ButtonInfo() = default;

void ButtonInfo::commonInit()
{
    setProperty("Status", QStringLiteral("Info"));
}

} // namespace Components
} // namespace Nalu
