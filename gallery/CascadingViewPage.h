// SPDX-License-Identifier: MIT

#pragma once

#include "GalleryPage.h"

class QStandardItemModel;

namespace Nalu {
namespace Gallery {

/** @brief The gallery page for the cascading view: a store catalogue to browse, with its options. */
class CascadingViewPage : public GalleryPage
{
    Q_OBJECT

public:
    explicit CascadingViewPage(QWidget *parent = nullptr);
    ~CascadingViewPage() override;

private:
    Q_DISABLE_COPY(CascadingViewPage)
    QStandardItemModel *m_catalogue = nullptr;
};

} // namespace Gallery
} // namespace Nalu
