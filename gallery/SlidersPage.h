// SPDX-License-Identifier: MIT

#pragma once

#include "GalleryPage.h"

namespace Nalu {
namespace Gallery {

/** @brief The gallery page for sliders. */
class SlidersPage : public GalleryPage
{
    Q_OBJECT

public:
    explicit SlidersPage(QWidget *parent = nullptr);
    ~SlidersPage() override;

private:
    Q_DISABLE_COPY(SlidersPage)
};

} // namespace Gallery
} // namespace Nalu
