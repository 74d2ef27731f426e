// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButtonPavo.h>

#include <QVariant>

namespace Nalu {
namespace Components {

ToolButtonPavo::ToolButtonPavo(QWidget *parent)
    : QToolButton(parent)
{
    setProperty("ButtonType", QStringLiteral("Pavo"));
}

ToolButtonPavo::~ToolButtonPavo() = default;

} // namespace Components
} // namespace Nalu
