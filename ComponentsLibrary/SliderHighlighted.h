// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QSlider>

namespace Nalu {
namespace Components {

/**
 * @brief A slider whose groove the style sheet highlights from its start up to the handle, to show how much of the
 * scale is taken.
 *
 * A QSlider that the style sheet draws with a special groove: the groove is drawn highlighted from its start up to the
 * handle.
 *
 * Style sheet selector: slider_highlighted=true, set in the constructor. All behaviour is QSlider's.
 */
class COMPONENTSLIBRARY_EXPORT SliderHighlighted : public QSlider
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A slider whose groove the style sheet highlights from its start up to the handle, to show how much of "
                "the scale is taken.")
    Q_CLASSINFO("example_horizontal",
                "auto *slider = new Nalu::Components::SliderHighlighted(Qt::Horizontal, parent);\n"
                "slider->setRange(0, 100);\n"
                "slider->setValue(40);")

public:
    /** @brief Creates a vertical slider, like QSlider. */
    explicit SliderHighlighted(QWidget *parent = nullptr);
    /** @brief Creates a slider of @p orientation with the selector property slider_highlighted=true. */
    SliderHighlighted(Qt::Orientation orientation, QWidget *parent);
    ~SliderHighlighted() override;

private:
    Q_DISABLE_COPY(SliderHighlighted)
};

} // namespace Components
} // namespace Nalu
