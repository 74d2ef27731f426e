// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/SliderHighlighted.h>

#include <QVariant>

namespace Nalu {
namespace Components {

SliderHighlighted::SliderHighlighted(QWidget *parent)
    : SliderHighlighted(Qt::Vertical, parent)
{
}

SliderHighlighted::SliderHighlighted(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
{
    setProperty("slider_highlighted", true);
}

SliderHighlighted::~SliderHighlighted() = default;

} // namespace Components
} // namespace Nalu
