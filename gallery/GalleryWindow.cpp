// SPDX-License-Identifier: MIT

#include "GalleryWindow.h"

#include "ButtonsPage.h"
#include "CardsExpandersPage.h"
#include "CascadingViewPage.h"
#include "DisplayWidgetsPage.h"
#include "GalleryPage.h"
#include "InputsPage.h"
#include "LayoutScrollingTabsPage.h"
#include "SlidersPage.h"

#include <ComponentsLibrary/SwitchCheckBox.h>
#include <ComponentsLibrary/Translation.h>
#include <ComponentsTheme/Theme.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace Nalu {
namespace Gallery {

GalleryWindow::GalleryWindow(QWidget *parent)
    : GalleryWindow(Theme::Variant::Light, parent)
{
}

GalleryWindow::GalleryWindow(Theme::Variant variant, QWidget *parent)
    : QMainWindow(parent)
    , m_variant(variant)
{
    setWindowTitle(tr("Nalu Components Gallery"));
    // Before any page exists: some components fetch their icons while being built.
    if (auto *application = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        Theme::apply(*application, variant, chromeStyleSheet());
    }

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);

    // The navigation column: the page list, then the theme switch at its foot.
    auto *side = new QWidget(splitter);
    side->setObjectName(QStringLiteral("galleryNavigationColumn"));
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 8);
    sideLayout->setSpacing(8);
    m_navigation = new QListWidget(side);
    m_navigation->setObjectName(QStringLiteral("galleryNavigation"));
    m_navigation->setSelectionMode(QAbstractItemView::SingleSelection);
    m_navigation->setMinimumWidth(180);
    m_navigation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_navigation->setTextElideMode(Qt::ElideRight);
    m_navigation->setAccessibleName(tr("Pages"));
    sideLayout->addWidget(m_navigation, 1);
    m_darkSwitch = new Components::SwitchCheckBox(tr("Dark theme"), side);
    m_darkSwitch->setObjectName(QStringLiteral("galleryDarkTheme"));
    m_darkSwitch->setChecked(variant == Theme::Variant::Dark);
    sideLayout->addWidget(m_darkSwitch, 0, Qt::AlignHCenter);
    connect(m_darkSwitch, &QCheckBox::toggled, this,
            [this](bool dark) { setThemeVariant(dark ? Theme::Variant::Dark : Theme::Variant::Light); });
    // The language of the components' own texts.
    m_language = new QComboBox(side);
    m_language->setObjectName(QStringLiteral("galleryLanguage"));
    m_language->setToolTip(tr("Language of the components' texts"));
    for (const auto &[name, nativeName] : languages()) {
        m_language->addItem(nativeName, name);
    }
    sideLayout->addWidget(m_language, 0, Qt::AlignHCenter);
    connect(m_language, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { setLanguage(m_language->itemData(index).toString()); });

    m_pages = new QStackedWidget(splitter);

    splitter->addWidget(side);
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

void GalleryWindow::setThemeVariant(Theme::Variant variant)
{
    m_variant = variant;
    {
        const QSignalBlocker blocker(m_darkSwitch);
        m_darkSwitch->setChecked(variant == Theme::Variant::Dark);
    }
    if (auto *application = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        Theme::apply(*application, variant, chromeStyleSheet());
    }
}

QList<QPair<QString, QString>> GalleryWindow::languages()
{
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
            {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")},
            {QStringLiteral("ja"), QStringLiteral("\u65e5\u672c\u8a9e")}};
}

bool GalleryWindow::setLanguage(const QString &name)
{
    const int index = m_language->findData(name);
    if (index < 0 || !Components::installTranslation(QLocale(name))) {
        return false;
    }
    m_language->setCurrentIndex(index);
    return true;
}

QString GalleryWindow::chromeStyleSheet()
{
    QFile file(QStringLiteral(":/gallery/gallery.qss"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace Gallery
} // namespace Nalu
