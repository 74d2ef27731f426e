// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonSuccess.h>

#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonSuccess::ButtonSuccess(QWidget *parent)
    : ButtonStatus(tr("Success"), parent)
{
    commonInit();
    Internal::keepDefaultText(this, [] { return tr("Success"); });
}

ButtonSuccess::ButtonSuccess(const QString &text, QWidget *parent)
    : ButtonStatus(text, parent)
{
    commonInit();
}

ButtonSuccess::ButtonSuccess(const QIcon &icon, const QString &text, QWidget *parent)
    : ButtonStatus(icon, text, parent)
{
    commonInit();
}

ButtonSuccess::~ButtonSuccess() = default;

void ButtonSuccess::commonInit()
{
    setProperty("Status", QStringLiteral("Success"));
}

} // namespace Components
} // namespace Nalu
