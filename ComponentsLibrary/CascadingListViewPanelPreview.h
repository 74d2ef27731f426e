// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QScrollArea>

namespace Nalu {
namespace Components {

/** @brief The scroll area, with minimized scroll bars, that hosts a CascadingListView's preview widget. */
class COMPONENTSLIBRARY_EXPORT CascadingListViewPanelPreview : public QScrollArea
{
    Q_OBJECT

public:
    /** @brief Creates the empty preview area, with minimized scroll bars. */
    explicit CascadingListViewPanelPreview(QWidget *parent = nullptr);
    ~CascadingListViewPanelPreview() override;

    /** @brief At least ten W wide. */
    QSize minimumSizeHint() const override;
    /** @brief Same as minimumSizeHint(). */
    QSize sizeHint() const override;

private:
    Q_DISABLE_COPY(CascadingListViewPanelPreview)
};

} // namespace Components
} // namespace Nalu
