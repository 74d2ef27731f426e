// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QSlider>

namespace Nalu {
namespace Components {

/**
 * @brief A slider whose groove the style sheet draws white with a black border, readable over any background, for
 * example over images or maps.
 *
 * A QSlider that the style sheet draws with a special groove: the groove is white with a black border.
 *
 * Style sheet selector: slider_high_contrast=true, set in the constructor. All behaviour is QSlider's.
 */
class COMPONENTSLIBRARY_EXPORT SliderHighContrast : public QSlider
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A slider whose groove the style sheet draws white with a black border, readable over any background, "
                "for example over images or maps.")
    Q_CLASSINFO("example_horizontal",
                "auto *slider = new Nalu::Components::SliderHighContrast(Qt::Horizontal, parent);\n"
                "slider->setRange(0, 100);\n"
                "slider->setValue(40);")

public:
    /** @brief Creates a vertical slider, like QSlider. */
    explicit SliderHighContrast(QWidget *parent = nullptr);
    /** @brief Creates a slider of @p orientation with the selector property slider_high_contrast=true. */
    SliderHighContrast(Qt::Orientation orientation, QWidget *parent);
    ~SliderHighContrast() override;

private:
    Q_DISABLE_COPY(SliderHighContrast)
};

} // namespace Components
} // namespace Nalu
