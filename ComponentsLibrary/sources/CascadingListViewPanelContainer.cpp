// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CascadingListViewPanelContainer.h>

#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>

#include <QPointer>

namespace Nalu {
namespace Components {

class CascadingListViewPanelContainerPrivate
{
public:
    QPointer<CascadingListViewPanel> panel;
};

CascadingListViewPanelContainer::CascadingListViewPanelContainer(CascadingListViewPanel *panel, QWidget *parent)
    : CardWidget(parent)
    , d(std::make_unique<CascadingListViewPanelContainerPrivate>())
{
    d->panel = panel;
    setContentsWidget(panel);
    setProperty("CardWidget_NoCornerRadius", true);
    setUpperCaseTitle(false);
}

CascadingListViewPanelContainer::~CascadingListViewPanelContainer() = default;

CascadingListViewPanel *CascadingListViewPanelContainer::getPanel() const
{
    return d->panel;
}

QSize CascadingListViewPanelContainer::minimumSizeHint() const
{
    QSize size = QWidget::minimumSizeHint();
    // The header counts even while hidden, so showing the titles does not make the view grow.
    const int panelHeight = d->panel ? d->panel->minimumSizeHint().height() : 0;
    size.setHeight(header()->sizeHint().height() + panelHeight + 2);
    return size;
}

QSize CascadingListViewPanelContainer::sizeHint() const
{
    return minimumSizeHint();
}

} // namespace Components
} // namespace Nalu
