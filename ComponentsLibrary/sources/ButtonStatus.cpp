// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonStatus.h>

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonStatus::ButtonStatus(QWidget *parent)
    : PushButton(parent, false, false, false, false)
{
    commonInit();
}

ButtonStatus::ButtonStatus(const QString &text, QWidget *parent)
    : PushButton(text, parent, false, false, false, false)
{
    commonInit();
}

ButtonStatus::ButtonStatus(const QIcon &icon, const QString &text, QWidget *parent)
    : PushButton(icon, text, parent, false, false, false, false)
{
    commonInit();
}

ButtonStatus::~ButtonStatus() = default;

void ButtonStatus::commonInit()
{
    // Set before the first polish, so the style sheet sees it at the first show.
    setProperty("ButtonType", QStringLiteral("Status"));
}

} // namespace Components
} // namespace Nalu
