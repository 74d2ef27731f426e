// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/RangeSlider.h>

// The ready-made colormaps come along, as most applications start from one of them.
#include <vantor_common_models/Colormap.h>
#include <vantor_common_models/ColormapModel.h>

#include <memory>

namespace Nalu {
namespace Models {
class HistogramModel;
} // namespace Models

namespace Components {

class ColormapRangeSliderPrivate;

/**
 * @brief A range slider whose groove shows a colormap spread between its two handles: moving the handles sets the
 * value range onto which the colormap is applied.
 *
 * A range slider whose groove shows the current colormap of a ColormapModel between its handles.
 *
 * Values, handles, dragging and pop-ups are RangeSlider's. The groove is a chessboard, so translucent colours show as
 * such; discrete colormaps are drawn as equal sections, others as a gradient. Unless boundColormapToRange is set, the
 * groove left of the range shows the colour at 0.0 and right of it the colour at 1.0. Theme properties read while
 * painting (each brush with a "…Disabled" form): "CornerRadius", "BorderBrush", "SunkenBrush", "HoverBrush",
 * "DefaultBrush", "BackgroundBrush".
 */
class COMPONENTSLIBRARY_EXPORT ColormapRangeSlider : public RangeSlider
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A range slider whose groove shows a colormap spread between its two handles: moving the handles sets "
                "the value range onto which the colormap is applied. Discrete colormaps show as equal sections, "
                "continuous ones as a gradient, translucent colours over a chessboard. Unless boundColormapToRange "
                "is on, the groove outside the range shows the first and last colours. The colormap comes from a "
                "Nalu::Models::ColormapModel that the application keeps.")
    Q_CLASSINFO("example_gradient",
                "auto *model = new Nalu::Models::ColormapModel(parent);\n"
                "model->setCurrentColormap(Nalu::Models::Colormaps::viridisLike());\n"
                "auto *slider = new Nalu::Components::ColormapRangeSlider(parent);\n"
                "slider->setRange(0, 1000);\n"
                "slider->setSliderRange(200, 800);\n"
                "slider->setColormapModel(model);")
    /** @brief Whether a histogram is to be shown; stored only, nothing is drawn from it yet; default false. */
    Q_PROPERTY(bool histogramVisible READ getHistogramVisibility WRITE setHistogramVisibility)
    /** @brief Whether the colormap is drawn only between the handles; default false. */
    Q_PROPERTY(bool boundColormapToRange READ getBoundColormapToRange WRITE setBoundColormapToRange)

public:
    /** @brief Creates the slider without a colormap model, the histogram hidden and the colormap not bound to the
     * range. */
    explicit ColormapRangeSlider(QWidget *parent = nullptr);
    ~ColormapRangeSlider() override;

    /** @brief Whether a histogram is to be shown (the histogramVisible property). */
    bool getHistogramVisibility() const;
    /** @brief Whether the colormap is drawn only between the handles (the boundColormapToRange property). */
    bool getBoundColormapToRange() const;
    /**
     * @brief Same as setHistogramVisibility(): the setter name that code generated from Designer forms (uic) calls
     * for the histogramVisible property.
     */
    void setHistogramVisible(bool histogramVisible) { setHistogramVisibility(histogramVisible); }

public Q_SLOTS:
    /** @brief Stores whether a histogram is to be shown and repaints when it changes; emits nothing. */
    void setHistogramVisibility(bool histogramVisible);
    /** @brief Sets whether the colormap is bound to the range and repaints when it changes; emits nothing. */
    void setBoundColormapToRange(bool boundColormapToRange);
    /** @brief Draws the current colormap of @p colormapModel (not owned, not watched; null for none). */
    void setColormapModel(Nalu::Models::ColormapModel *colormapModel);
    /** @brief Stores @p histogramModel (not owned); nothing is drawn from it yet. */
    void setHistogramModel(Nalu::Models::HistogramModel *histogramModel);

protected:
    /** @brief Paints the chessboard groove, the colormap over it and the two handles. */
    void paintEvent(QPaintEvent *event) override;

private:
    void init() override;

    Q_DISABLE_COPY(ColormapRangeSlider)
    std::unique_ptr<ColormapRangeSliderPrivate> const d;
};

} // namespace Components
} // namespace Nalu
