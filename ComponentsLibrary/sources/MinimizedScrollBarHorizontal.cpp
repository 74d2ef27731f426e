// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/MinimizedScrollBarHorizontal.h>

namespace Nalu {
namespace Components {

MinimizedScrollBarHorizontal::MinimizedScrollBarHorizontal(QWidget *parent)
    : MinimizedScrollBar(parent, Qt::Horizontal)
{
}

MinimizedScrollBarHorizontal::~MinimizedScrollBarHorizontal() = default;

} // namespace Components
} // namespace Nalu
