// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/TabWidgetStretched.h>

#include <ComponentsLibrary/TabBarStretched.h>

#include <QVariant>

namespace Nalu {
namespace Components {

TabWidgetStretched::TabWidgetStretched(QWidget *parent)
    : QTabWidget(parent)
{
    // Before any tab exists: setTabBar() does not move existing tabs over.
    setTabBar(new TabBarStretched(this));
    setProperty("stretched", true);
}

TabWidgetStretched::~TabWidgetStretched() = default;

} // namespace Components
} // namespace Nalu
