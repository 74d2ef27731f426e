#include "DisplayWidgetsPage.h"

namespace Nalu {
namespace Gallery {

DisplayWidgetsPage::DisplayWidgetsPage(QWidget *parent)
    : GalleryPage(tr("Display widgets"), tr("Components that show information without asking for input."), parent)
{
    addComingSoon(tr("labels, badges, progress bars and busy indicators, and inline status messages."));
}

DisplayWidgetsPage::~DisplayWidgetsPage() = default;

} // namespace Gallery
} // namespace Nalu
