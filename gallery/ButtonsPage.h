// SPDX-License-Identifier: MIT

#pragma once

#include "GalleryPage.h"

namespace Nalu {
namespace Gallery {

/** @brief The gallery page for the buttons: the semantic buttons, then the appearance flags. */
class ButtonsPage : public GalleryPage
{
    Q_OBJECT

public:
    explicit ButtonsPage(QWidget *parent = nullptr);
    ~ButtonsPage() override;

private:
    void addPriorityButtons();
    void addStatusButtons();
    void addFlagButtons();
    void addLookVariants();
    void addBlinkingButtons();
    void addGroupsAndPopUps();
    void addColorButtons();

    Q_DISABLE_COPY(ButtonsPage)
};

} // namespace Gallery
} // namespace Nalu
