#include "SlidersPage.h"

namespace Nalu {
namespace Gallery {

SlidersPage::SlidersPage(QWidget *parent)
    : GalleryPage(tr("Sliders"),
                  tr("Controls for picking a value, or a range of values, by dragging a handle along a track."), parent)
{
    addComingSoon(tr("horizontal and vertical sliders, range sliders with two handles, and sliders showing their value "
                     "and tick marks."));
}

SlidersPage::~SlidersPage() = default;

} // namespace Gallery
} // namespace Nalu
