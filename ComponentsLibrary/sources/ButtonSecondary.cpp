// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonSecondary.h>

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonSecondary::ButtonSecondary(QWidget *parent)
    : ButtonPriority(tr("Secondary"), parent)
{
    commonInit();
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
