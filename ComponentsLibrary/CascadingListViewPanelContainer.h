// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/CardWidget.h>

namespace Nalu {
namespace Components {

class CascadingListViewPanel;
class CascadingListViewPanelContainerPrivate;

/**
 * @brief The card around one CascadingListViewPanel; its header shows the level's title.
 *
 * The card owns the panel as its contents, keeps the title's letter case and carries the selector property
 * "CardWidget_NoCornerRadius" = true.
 */
class COMPONENTSLIBRARY_EXPORT CascadingListViewPanelContainer : public CardWidget
{
    Q_OBJECT

public:
    /** @brief Frames @p panel as the card's contents; the card has square corners ("CardWidget_NoCornerRadius") and a
     * title as set (not upper-cased). */
    CascadingListViewPanelContainer(CascadingListViewPanel *panel, QWidget *parent);
    ~CascadingListViewPanelContainer() override;

    /** @brief The framed panel, or null once it is gone. */
    CascadingListViewPanel *getPanel() const;

    /** @brief Room for the header, whether shown or not, and for the panel's seven rows. */
    QSize minimumSizeHint() const override;
    /** @brief Same as minimumSizeHint(). */
    QSize sizeHint() const override;

private:
    Q_DISABLE_COPY(CascadingListViewPanelContainer)
    std::unique_ptr<CascadingListViewPanelContainerPrivate> const d;
};

} // namespace Components
} // namespace Nalu
