// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonWarning.h>

#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonWarning::ButtonWarning(QWidget *parent)
    : ButtonStatus(tr("Warning"), parent)
{
    commonInit();
    Internal::keepDefaultText(this, [] { return tr("Warning"); });
}

ButtonWarning::ButtonWarning(const QString &text, QWidget *parent)
    : ButtonStatus(text, parent)
{
    commonInit();
}

ButtonWarning::ButtonWarning(const QIcon &icon, const QString &text, QWidget *parent)
    : ButtonStatus(icon, text, parent)
{
    commonInit();
}

ButtonWarning::~ButtonWarning() = default;

void ButtonWarning::commonInit()
{
    setProperty("Status", QStringLiteral("Warning"));
}

} // namespace Components
} // namespace Nalu
