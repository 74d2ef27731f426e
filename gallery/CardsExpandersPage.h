// SPDX-License-Identifier: MIT

#pragma once

#include "GalleryPage.h"

namespace Nalu {
namespace Gallery {

/** @brief The gallery page for cards and expanders. */
class CardsExpandersPage : public GalleryPage
{
    Q_OBJECT

public:
    explicit CardsExpandersPage(QWidget *parent = nullptr);
    ~CardsExpandersPage() override;

private:
    Q_DISABLE_COPY(CardsExpandersPage)
};

} // namespace Gallery
} // namespace Nalu
