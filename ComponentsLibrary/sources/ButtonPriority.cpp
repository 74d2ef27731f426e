// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonPriority.h>

#include <QVariant>

namespace Nalu {
namespace Components {

ButtonPriority::ButtonPriority(QWidget *parent)
    : PushButton(parent, false, false, false, false)
{
    commonInit();
}

ButtonPriority::ButtonPriority(const QString &text, QWidget *parent)
    : PushButton(text, parent, false, false, false, false)
{
    commonInit();
}

ButtonPriority::ButtonPriority(const QIcon &icon, const QString &text, QWidget *parent)
    : PushButton(icon, text, parent, false, false, false, false)
{
    commonInit();
}

ButtonPriority::~ButtonPriority() = default;

void ButtonPriority::commonInit()
{
    // Set before the first polish, so the style sheet sees it at the first show.
    setProperty("ButtonType", QStringLiteral("Priority"));
}

} // namespace Components
} // namespace Nalu
