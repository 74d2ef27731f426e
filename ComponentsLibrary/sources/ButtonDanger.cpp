// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonDanger.h>

#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonDanger::ButtonDanger(QWidget *parent)
    : ButtonStatus(tr("Danger"), parent)
{
    commonInit();
    Internal::keepDefaultText(this, [] { return tr("Danger"); });
}

ButtonDanger::ButtonDanger(const QString &text, QWidget *parent)
    : ButtonStatus(text, parent)
{
    commonInit();
}

ButtonDanger::ButtonDanger(const QIcon &icon, const QString &text, QWidget *parent)
    : ButtonStatus(icon, text, parent)
{
    commonInit();
}

ButtonDanger::~ButtonDanger() = default;

void ButtonDanger::commonInit()
{
    setProperty("Status", QStringLiteral("Danger"));
}

} // namespace Components
} // namespace Nalu
