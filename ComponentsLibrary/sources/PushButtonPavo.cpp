// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButtonPavo.h>

#include <QVariant>

namespace Nalu {
namespace Components {

PushButtonPavo::PushButtonPavo(QWidget *parent)
    : QPushButton(parent)
{
    commonInit();
}

PushButtonPavo::PushButtonPavo(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    commonInit();
}

PushButtonPavo::PushButtonPavo(const QIcon &icon, const QString &text, QWidget *parent)
    : QPushButton(icon, text, parent)
{
    commonInit();
}

PushButtonPavo::~PushButtonPavo() = default;

void PushButtonPavo::commonInit()
{
    setProperty("ButtonType", QStringLiteral("Pavo"));
}

} // namespace Components
} // namespace Nalu
