#include "InputsPage.h"

namespace Nalu {
namespace Gallery {

InputsPage::InputsPage(QWidget *parent)
    : GalleryPage(tr("Inputs"), tr("Fields and controls through which the user enters text, numbers and choices."),
                  parent)
{
    addComingSoon(tr("text fields with placeholders and validation, number and date fields, combo boxes, check boxes, "
                     "radio buttons and switches."));
}

InputsPage::~InputsPage() = default;

} // namespace Gallery
} // namespace Nalu
