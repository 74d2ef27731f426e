// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CascadingListViewPanelContainer.h>

#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>

#include "Accessibility_p.h"
#include "DefaultText_p.h"

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
    // Each panel is named after its level's title, or its level while it has none.
    const auto namePanel = [this] {
        CascadingListViewPanel *panel = d->panel;
        if (!panel) {
            return;
        }
        int level = 1;
        for (const CascadingListViewPanel *p = panel->getParentPanel(); p; p = p->getParentPanel()) {
            ++level;
        }
        Accessibility::setDefaultName(panel, title().isEmpty() ? tr("Level %1").arg(level) : title());
    };
    connect(this, &CardWidgetBase::titleChanged, this, namePanel);
    Internal::keepTranslated(this, namePanel);
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
