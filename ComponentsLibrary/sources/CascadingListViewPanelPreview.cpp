// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CascadingListViewPanelPreview.h>

#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/MinimizedScrollBarHorizontal.h>
#include <ComponentsLibrary/MinimizedScrollBarVertical.h>

#include "Accessibility_p.h"
#include "DefaultText_p.h"

namespace Nalu {
namespace Components {

CascadingListViewPanelPreview::CascadingListViewPanelPreview(QWidget *parent)
    : QScrollArea(parent)
{
    setHorizontalScrollBar(new MinimizedScrollBarHorizontal(this));
    setVerticalScrollBar(new MinimizedScrollBarVertical(this));
    Internal::keepTranslated(this, [this] { Accessibility::setDefaultName(this, tr("Preview")); });
}

CascadingListViewPanelPreview::~CascadingListViewPanelPreview() = default;

QSize CascadingListViewPanelPreview::minimumSizeHint() const
{
    QSize size = QAbstractScrollArea::minimumSizeHint();
    size.setWidth(CascadingListViewPanel::getPreferredMininumWidth(font()));
    return size;
}

QSize CascadingListViewPanelPreview::sizeHint() const
{
    return minimumSizeHint();
}

} // namespace Components
} // namespace Nalu
