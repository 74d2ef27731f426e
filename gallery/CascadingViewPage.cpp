#include "CascadingViewPage.h"

namespace Nalu {
namespace Gallery {

CascadingViewPage::CascadingViewPage(QWidget *parent)
    : GalleryPage(tr("Cascading view"),
                  tr("A view that walks down a hierarchy one column at a time: choosing an entry opens its children in "
                     "the next column."),
                  parent)
{
    addComingSoon(tr("a cascading view browsing a sample hierarchy, with the path of the current selection."));
}

CascadingViewPage::~CascadingViewPage() = default;

} // namespace Gallery
} // namespace Nalu
