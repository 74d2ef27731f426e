// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/MinimizedScrollBarVertical.h>

namespace Nalu {
namespace Components {

MinimizedScrollBarVertical::MinimizedScrollBarVertical(QWidget *parent)
    : MinimizedScrollBar(parent, Qt::Vertical)
{
}

MinimizedScrollBarVertical::~MinimizedScrollBarVertical() = default;

} // namespace Components
} // namespace Nalu
