// SPDX-License-Identifier: MIT

#include "LayoutScrollingTabsPage.h"

#include <ComponentsLibrary/FlowLayout.h>
#include <ComponentsLibrary/MinimizedScrollBarHorizontal.h>
#include <ComponentsLibrary/MinimizedScrollBarVertical.h>
#include <ComponentsLibrary/PillLabel.h>
#include <ComponentsLibrary/TabWidgetStretched.h>

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Nalu {
namespace Gallery {

namespace {

// A flow layout only shows its wrapping with room to spare: this area asks for a comfortable
// width, and gives it back when the window narrows, so that its pills wrap onto more rows.
class FlowArea : public QWidget
{
public:
    explicit FlowArea(QWidget *parent)
        : QWidget(parent)
    {
        // Fixed: the flow layout keeps the height equal to what the rows need at each width.
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        constexpr int PreferredWidth = 480;
        return QSize(PreferredWidth, layout() ? layout()->heightForWidth(PreferredWidth) : 0);
    }
};

QWidget *makeTabPage(const QString &text, QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *layout = new QVBoxLayout(page);
    auto *label = new QLabel(text, page);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addStretch(1);
    return page;
}

} // namespace

LayoutScrollingTabsPage::LayoutScrollingTabsPage(QWidget *parent)
    : GalleryPage(tr("Layout, scrolling and tabs"),
                  tr("Helpers that arrange components, scroll long content and split it into tabs."), parent)
{
    addFlowLayoutSection();
    addStretchedTabsSection();
    addMinimizedScrollBarSection();
}

LayoutScrollingTabsPage::~LayoutScrollingTabsPage() = default;

void LayoutScrollingTabsPage::addFlowLayoutSection()
{
    addSection(tr("Flow layout"),
               tr("FlowLayout places its items left to right and starts a new row when the next one would cross "
                  "the right edge. Narrow the window: the pills below wrap onto more rows."));

    struct Tag
    {
        const char *text;
        QColor color;
    };
    const QList<Tag> tags = {
        {QT_TR_NOOP("Design"), QColor(0x1f, 0x5f, 0xbf)},
        {QT_TR_NOOP("Backend"), QColor(0x2e, 0x7d, 0x32)},
        {QT_TR_NOOP("Urgent"), QColor(0xb3, 0x26, 0x1e)},
        {QT_TR_NOOP("Needs review"), QColor(0xf2, 0xc2, 0x3a)},
        {QT_TR_NOOP("Release 2.4"), QColor(0x6a, 0x1b, 0x9a)},
        {QT_TR_NOOP("Documentation"), QColor(0xe0, 0xe6, 0xee)},
        {QT_TR_NOOP("Good first issue"), QColor(0x7c, 0xd9, 0xc4)},
        {QT_TR_NOOP("Security"), QColor(0x37, 0x47, 0x4f)},
        {QT_TR_NOOP("Performance"), QColor(0xff, 0x8f, 0x00)},
        {QT_TR_NOOP("Accessibility"), QColor(0x00, 0x83, 0x8f)},
        {QT_TR_NOOP("Blocked"), QColor(0x8a, 0x99, 0xad)},
        {QT_TR_NOOP("Translations"), QColor(0xc5, 0xe1, 0xa5)},
    };

    auto *area = new FlowArea(this);
    auto *flow = new Components::FlowLayout(area, 0, 8, 8);
    for (const Tag &tag : tags) {
        auto *pill = new Components::PillLabel(area);
        pill->setText(tr(tag.text));
        pill->setPillColor(tag.color);
        flow->addWidget(pill);
    }
    addComponent(area, tr("FlowLayout holding twelve PillLabels"));
}

void LayoutScrollingTabsPage::addStretchedTabsSection()
{
    addSection(tr("Stretched tabs"),
               tr("TabWidgetStretched and its TabBarStretched carry stretched=true, on which the application's "
                  "style selects to spread the tabs over the whole bar."));

    auto *tabs = new Components::TabWidgetStretched(this);
    tabs->addTab(makeTabPage(tr("Files you opened lately, newest first."), tabs), tr("Recent"));
    tabs->addTab(makeTabPage(tr("Files other people shared with you."), tabs), tr("Shared"));
    tabs->addTab(makeTabPage(tr("Deleted files stay here for 30 days."), tabs), tr("Trash"));
    tabs->setFixedSize(420, 140);
    addComponent(tabs);
}

void LayoutScrollingTabsPage::addMinimizedScrollBarSection()
{
    addSection(tr("Minimized scroll bars"),
               tr("MinimizedScrollBarVertical and MinimizedScrollBarHorizontal stay thin until the pointer rests "
                  "on them for a moment, and shrink back a second after it leaves. On the right the bars are "
                  "transient: they only appear while the pointer is over the list."));

    QList<QWidget *> areas;
    for (const bool transient : {false, true}) {
        auto *area = new QScrollArea(this);
        auto *vertical = new Components::MinimizedScrollBarVertical;
        auto *horizontal = new Components::MinimizedScrollBarHorizontal;
        area->setVerticalScrollBar(vertical);
        area->setHorizontalScrollBar(horizontal);
        vertical->setTransient(transient);
        horizontal->setTransient(transient);

        QStringList lines;
        for (int i = 1; i <= 60; ++i) {
            lines << tr("%1. A long line of the change log, wide enough to need scrolling sideways as well").arg(i);
        }
        area->setWidget(new QLabel(lines.join(QLatin1Char('\n')), area));
        area->setFixedSize(260, 160);
        area->setAccessibleName(transient ? tr("Change log, transient scroll bars") : tr("Change log"));
        areas << area;
    }
    addComponents(areas, tr("Scroll areas with minimized bars; plain on the left, transient on the right"));
}

} // namespace Gallery
} // namespace Nalu
