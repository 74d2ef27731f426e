// SPDX-License-Identifier: MIT

#pragma once

#include "GalleryPage.h"

namespace Nalu {
namespace Gallery {

/** @brief The gallery page for inputs. */
class InputsPage : public GalleryPage
{
    Q_OBJECT

public:
    explicit InputsPage(QWidget *parent = nullptr);
    ~InputsPage() override;

private:
    void addErrorInputsSection();
    void addSwitchSection();

    Q_DISABLE_COPY(InputsPage)
};

} // namespace Gallery
} // namespace Nalu
