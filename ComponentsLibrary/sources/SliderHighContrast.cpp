// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/SliderHighContrast.h>

#include <QVariant>

namespace Nalu {
namespace Components {

SliderHighContrast::SliderHighContrast(QWidget *parent)
    : SliderHighContrast(Qt::Vertical, parent)
{
}

SliderHighContrast::SliderHighContrast(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
{
    setProperty("slider_high_contrast", true);
}

SliderHighContrast::~SliderHighContrast() = default;

} // namespace Components
} // namespace Nalu
