#pragma once

#include "GalleryPage.h"

namespace Nalu {
namespace Gallery {

/** @brief The gallery page for the cascading view. */
class CascadingViewPage : public GalleryPage
{
    Q_OBJECT

public:
    explicit CascadingViewPage(QWidget *parent = nullptr);
    ~CascadingViewPage() override;

private:
    Q_DISABLE_COPY(CascadingViewPage)
};

} // namespace Gallery
} // namespace Nalu
