// SPDX-License-Identifier: MIT

#pragma once

#include "GalleryPage.h"

namespace Nalu {
namespace Gallery {

/** @brief The gallery page for display widgets. */
class DisplayWidgetsPage : public GalleryPage
{
    Q_OBJECT

public:
    explicit DisplayWidgetsPage(QWidget *parent = nullptr);
    ~DisplayWidgetsPage() override;

private:
    void addPillLabelSection();
    void addUserConnectorSection();

    Q_DISABLE_COPY(DisplayWidgetsPage)
};

} // namespace Gallery
} // namespace Nalu
