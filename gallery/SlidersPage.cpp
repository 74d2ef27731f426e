// SPDX-License-Identifier: MIT

#include "SlidersPage.h"

#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/SliderHighContrast.h>
#include <ComponentsLibrary/SliderHighlighted.h>

#include <QBrush>
#include <QColor>
#include <QVariant>

namespace Nalu {
namespace Gallery {

namespace {

using Components::ColormapRangeSlider;
using Components::RangeSlider;

constexpr int SliderWidth = 320;

// The range sliders paint themselves from theme properties, which a style sheet
// cannot set on Qt 5: the gallery sets them here.
void applySliderTheme(QWidget *slider)
{
    const struct
    {
        const char *name;
        QColor enabled;
        QColor disabled;
    } brushes[] = {
        {"BorderBrush", QColor(0x8a, 0x99, 0xad), QColor(0xb8, 0xc2, 0xcf)},
        {"BackgroundBrush", QColor(0xf4, 0xf6, 0xf9), QColor(0xe4, 0xe9, 0xf0)},
        {"RangeBrush", QColor(0x1f, 0x5f, 0xbf), QColor(0x8a, 0x99, 0xad)},
        {"SunkenBrush", QColor(0x14, 0x3f, 0x80), QColor(0x8a, 0x99, 0xad)},
        {"HoverBrush", QColor(0x3b, 0x7d, 0xe0), QColor(0x8a, 0x99, 0xad)},
        {"DefaultBrush", QColor(0x5b, 0x6b, 0x80), QColor(0xb8, 0xc2, 0xcf)},
    };
    for (const auto &brush : brushes) {
        slider->setProperty(brush.name, QBrush(brush.enabled));
        slider->setProperty(QByteArray(QByteArray(brush.name) + "Disabled").constData(), QBrush(brush.disabled));
    }
    slider->setProperty("CornerRadius", 4);
    slider->setMinimumWidth(SliderWidth);
}

RangeSlider *makeRangeSlider(int maximum, int low, int high, RangeSlider::PopupsPosition position, QWidget *parent)
{
    auto *slider = new RangeSlider(parent);
    applySliderTheme(slider);
    // Keyboard users move the handles too.
    slider->setKeyboardHandles(true);
    slider->setRange(0, maximum);
    slider->setSliderRange(low, high);
    slider->setPopupPosition(position);
    return slider;
}

ColormapRangeSlider *makeColormapSlider(Models::ColormapModel *model, bool bound, QWidget *parent)
{
    auto *slider = new ColormapRangeSlider(parent);
    applySliderTheme(slider);
    slider->setKeyboardHandles(true);
    slider->setRange(0, 1000);
    slider->setSliderRange(250, 700);
    slider->setBoundColormapToRange(bound);
    slider->setColormapModel(model);
    return slider;
}

Models::ColormapModel *makeModel(const Models::ColormapInterface *colormap, QObject *parent)
{
    auto *model = new Models::ColormapModel(parent);
    model->setColormaps(Models::Colormaps::all());
    model->setCurrentColormap(colormap);
    return model;
}

} // namespace

SlidersPage::SlidersPage(QWidget *parent)
    : GalleryPage(tr("Sliders"),
                  tr("Controls for picking a value, or a range of values, by dragging a handle along a track."), parent)
{
    addSection(tr("Range sliders"),
               tr("Two handles select a range. Hover a handle to edit its value in a pop-up; drag the bar between "
                  "the handles to move the whole range. From the keyboard, Tab goes from one handle to the other, "
                  "the arrow keys move the framed one and Enter opens its pop-up."));
    RangeSlider *below = makeRangeSlider(255, 40, 200, RangeSlider::Below, this);
    below->setAccessibleName(tr("Brightness range"));
    addComponent(below, tr("Pop-ups below"));
    RangeSlider *above = makeRangeSlider(100, 20, 80, RangeSlider::Above, this);
    above->setAccessibleName(tr("Percentile range"));
    above->setTickPosition(QSlider::TicksBelow);
    above->setTickInterval(10);
    addComponent(above, tr("Pop-ups above, with tick marks"));

    addSection(tr("Colormap range sliders"),
               tr("The groove shows a colormap between the handles, over a chessboard for translucent colours."));
    Models::ColormapModel *gradient = makeModel(Models::Colormaps::viridisLike(), this);
    Models::ColormapModel *discrete = makeModel(Models::Colormaps::categorical10(), this);
    ColormapRangeSlider *gradientSlider = makeColormapSlider(gradient, false, this);
    gradientSlider->setAccessibleName(tr("Intensity range"));
    addComponent(gradientSlider, tr("Gradient, first and last colours outside the range"));
    ColormapRangeSlider *discreteSlider = makeColormapSlider(discrete, true, this);
    discreteSlider->setAccessibleName(tr("Class range"));
    addComponent(discreteSlider, tr("Discrete colours, bound to the range"));
    ColormapRangeSlider *disabled = makeColormapSlider(gradient, false, this);
    disabled->setAccessibleName(tr("Intensity range, locked"));
    disabled->setEnabled(false);
    addComponent(disabled, tr("Disabled"));

    addSection(tr("Styled sliders"), tr("Single-handle sliders whose groove the style sheet draws specially."));
    auto *highlighted = new Components::SliderHighlighted(Qt::Horizontal, this);
    highlighted->setValue(60);
    highlighted->setMinimumWidth(SliderWidth);
    highlighted->setAccessibleName(tr("Opacity"));
    addComponent(highlighted);
    auto *highContrast = new Components::SliderHighContrast(Qt::Horizontal, this);
    highContrast->setValue(30);
    highContrast->setMinimumWidth(SliderWidth);
    highContrast->setAccessibleName(tr("Zoom"));
    addComponent(highContrast);
}

SlidersPage::~SlidersPage() = default;

} // namespace Gallery
} // namespace Nalu
