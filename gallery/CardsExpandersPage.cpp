#include "CardsExpandersPage.h"

namespace Nalu {
namespace Gallery {

CardsExpandersPage::CardsExpandersPage(QWidget *parent)
    : GalleryPage(
        tr("Cards and expanders"),
        tr("Containers that group related content under a header and can fold it away when it is not needed."), parent)
{
    addComingSoon(
        tr("cards with a header, a body and a row of actions, and expanders that show or hide their content."));
}

CardsExpandersPage::~CardsExpandersPage() = default;

} // namespace Gallery
} // namespace Nalu
