// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/TabBarStretched.h>

#include <QVariant>

namespace Nalu {
namespace Components {

TabBarStretched::TabBarStretched(QWidget *parent)
    : QTabBar(parent)
{
    setProperty("stretched", true);
}

TabBarStretched::~TabBarStretched() = default;

} // namespace Components
} // namespace Nalu
