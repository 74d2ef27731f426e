#include "GalleryWindow.h"

#include "ButtonsPage.h"
#include "CardsExpandersPage.h"
#include "CascadingViewPage.h"
#include "DisplayWidgetsPage.h"
#include "GalleryPage.h"
#include "InputsPage.h"
#include "LayoutScrollingTabsPage.h"
#include "SlidersPage.h"

#include <QListWidget>
#include <QSplitter>
#include <QStackedWidget>

namespace Nalu {
namespace Gallery {

GalleryWindow::GalleryWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(tr("Nalu Components Gallery"));

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);

    m_navigation = new QListWidget(splitter);
    m_navigation->setObjectName(QStringLiteral("galleryNavigation"));
    m_navigation->setSelectionMode(QAbstractItemView::SingleSelection);
    m_navigation->setMinimumWidth(180);
    m_navigation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_navigation->setTextElideMode(Qt::ElideRight);

    m_pages = new QStackedWidget(splitter);

    splitter->addWidget(m_navigation);
    splitter->addWidget(m_pages);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 860});
    setCentralWidget(splitter);

    connect(m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);

    // Navigation order. One page per subsystem of the library.
    addPage(new ButtonsPage(this));
    addPage(new CardsExpandersPage(this));
    addPage(new SlidersPage(this));
    addPage(new CascadingViewPage(this));
    addPage(new LayoutScrollingTabsPage(this));
    addPage(new InputsPage(this));
    addPage(new DisplayWidgetsPage(this));

    setCurrentPage(0);
}

GalleryWindow::~GalleryWindow() = default;

void GalleryWindow::addPage(GalleryPage *page)
{
    m_pages->addWidget(page);
    m_navigation->addItem(page->title());
}

int GalleryWindow::pageCount() const
{
    return m_pages->count();
}

GalleryPage *GalleryWindow::page(int index) const
{
    return qobject_cast<GalleryPage *>(m_pages->widget(index));
}

int GalleryWindow::currentPageIndex() const
{
    return m_pages->currentIndex();
}

void GalleryWindow::setCurrentPage(int index)
{
    if (index < 0 || index >= pageCount()) {
        return;
    }
    // The stack follows the navigation through currentRowChanged.
    m_navigation->setCurrentRow(index);
}

} // namespace Gallery
} // namespace Nalu
