// SPDX-License-Identifier: MIT

#pragma once

#include "GalleryPage.h"

namespace Nalu {
namespace Gallery {

/** @brief The gallery page for layout, scrolling and tabs. */
class LayoutScrollingTabsPage : public GalleryPage
{
    Q_OBJECT

public:
    explicit LayoutScrollingTabsPage(QWidget *parent = nullptr);
    ~LayoutScrollingTabsPage() override;

private:
    void addFlowLayoutSection();
    void addStretchedTabsSection();
    void addMinimizedScrollBarSection();

    Q_DISABLE_COPY(LayoutScrollingTabsPage)
};

} // namespace Gallery
} // namespace Nalu
