#include "LayoutScrollingTabsPage.h"

namespace Nalu {
namespace Gallery {

LayoutScrollingTabsPage::LayoutScrollingTabsPage(QWidget *parent)
    : GalleryPage(tr("Layout, scrolling and tabs"),
                  tr("Helpers that arrange components, scroll long content and split it into tabs."), parent)
{
    addComingSoon(tr("flow and grid layouts, scroll areas with themed scroll bars, and tab bars and tab widgets."));
}

LayoutScrollingTabsPage::~LayoutScrollingTabsPage() = default;

} // namespace Gallery
} // namespace Nalu
