// SPDX-License-Identifier: MIT

#include "CascadingViewPage.h"

#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/PillLabel.h>
#include <ComponentsLibrary/SwitchCheckBox.h>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <iterator>

namespace Nalu {
namespace Gallery {

namespace {

using Components::CascadingListView;
using Components::CascadingListViewPanel;

// The catalogue is four levels deep everywhere, and five where a product comes in variants.
struct Department
{
    const char *name;
    QList<const char *> categories;
};

const char *const Ranges[] = {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Trail"),
                              QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Summit"),
                              QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Basecamp")};
const char *const Variants[] = {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Slate, size S"),
                                QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Slate, size M"),
                                QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Olive, size M"),
                                QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Olive, size L")};
const QColor LevelColors[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0x2e, 0x7d, 0x32), QColor(0x6a, 0x1b, 0x9a),
                              QColor(0xb3, 0x26, 0x1e), QColor(0x37, 0x47, 0x4f)};

QStandardItem *addItem(QStandardItem *parent, const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    parent->appendRow(item);
    return item;
}

void fillCatalogue(QStandardItemModel *model)
{
    const QList<Department> departments = {
        {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Camping"),
         {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Tents"),
          QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Sleeping bags"),
          QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Stoves")}},
        {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Climbing"),
         {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Ropes"),
          QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Harnesses"),
          QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Helmets")}},
        {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Cycling"),
         {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Lights"),
          QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Jackets")}},
        {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Water sports"),
         {QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Kayaks"),
          QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Paddles"),
          QT_TRANSLATE_NOOP("Nalu::Gallery::CascadingViewPage", "Dry bags")}},
    };
    const auto tr = [](const char *text) { return CascadingViewPage::tr(text); };
    int product = 0;
    for (const Department &department : departments) {
        QStandardItem *departmentItem = addItem(model->invisibleRootItem(), tr(department.name));
        for (const char *category : department.categories) {
            QStandardItem *categoryItem = addItem(departmentItem, tr(category));
            for (const char *range : Ranges) {
                QStandardItem *rangeItem = addItem(categoryItem, tr(range));
                for (int number = 1; number <= 3; ++number) {
                    ++product;
                    QStandardItem *productItem = addItem(
                        rangeItem, CascadingViewPage::tr("%1 %2 %3").arg(tr(range), tr(category)).arg(number));
                    // Every third product comes in colours and sizes: one level more.
                    if (product % 3 == 0) {
                        for (const char *variant : Variants) {
                            addItem(productItem, tr(variant));
                        }
                    }
                }
            }
        }
    }
}

// The preview: what the application would show of the selected entry.
class ItemPreview : public QWidget
{
public:
    explicit ItemPreview(QWidget *parent = nullptr)
        : QWidget(parent)
        , m_level(new Components::PillLabel(this))
        , m_title(new QLabel(this))
        , m_path(new QLabel(this))
        , m_details(new QLabel(this))
    {
        QFont titleFont = m_title->font();
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
        titleFont.setBold(true);
        m_title->setFont(titleFont);
        m_title->setWordWrap(true);
        m_path->setWordWrap(true);
        m_details->setWordWrap(true);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(m_level, 0, Qt::AlignLeft);
        layout->addWidget(m_title);
        layout->addWidget(m_path);
        layout->addWidget(m_details);
        layout->addStretch(1);
        showItem({}, {});
    }

    void showItem(const QModelIndex &index, const QStringList &levelNames)
    {
        if (!index.isValid()) {
            m_level->setVisible(false);
            m_title->setText(CascadingViewPage::tr("Nothing selected"));
            m_path->clear();
            m_details->setText(CascadingViewPage::tr("Choose a department on the left."));
            return;
        }
        QStringList path;
        int level = -1;
        for (QModelIndex i = index; i.isValid(); i = i.parent()) {
            path.prepend(i.data().toString());
            ++level;
        }
        m_level->setVisible(true);
        m_level->setText(levelNames.value(level));
        m_level->setPillColor(LevelColors[qBound(0, level, int(std::size(LevelColors)) - 1)]);
        m_level->update();
        m_title->setText(index.data().toString());
        m_path->setText(path.join(QStringLiteral(" › ")));
        const int children = index.model()->rowCount(index);
        m_details->setText(children > 0 ? CascadingViewPage::tr("%n entries inside", nullptr, children)
                                        : CascadingViewPage::tr("In stock; ships in two days."));
    }

private:
    Components::PillLabel *m_level;
    QLabel *m_title;
    QLabel *m_path;
    QLabel *m_details;
};

// Makes the given row current in each panel from the left, as a user clicking down the levels would.
void openPath(CascadingListView *view, const QList<int> &rows)
{
    CascadingListViewPanel *panel = nullptr;
    for (auto *candidate : view->findChildren<CascadingListViewPanel *>()) {
        if (!candidate->getParentPanel()) {
            panel = candidate;
        }
    }
    for (int row : rows) {
        if (!panel || !panel->model()) {
            return;
        }
        panel->setCurrentIndex(panel->model()->index(row, 0, panel->rootIndex()));
        panel = panel->getChildPanel();
    }
}

} // namespace

CascadingViewPage::CascadingViewPage(QWidget *parent)
    : GalleryPage(tr("Cascading view"),
                  tr("A view that walks down a hierarchy one column at a time: choosing an entry opens its children in "
                     "the next column."),
                  parent)
    , m_catalogue(new QStandardItemModel(this))
{
    fillCatalogue(m_catalogue);

    addSection(tr("Store catalogue"),
               tr("CascadingListView shows one panel per level of the catalogue: departments, categories, ranges, "
                  "products and, for some products, variants. Arrow keys move between the panels; the preview on "
                  "the right describes the selected entry. The switches change how the panels and the preview "
                  "appear."));

    auto *view = new CascadingListView(m_catalogue, this);
    const QStringList levelNames = {tr("Department"), tr("Category"), tr("Range"), tr("Product"), tr("Variant")};
    view->setPanelsTitles(levelNames);
    view->setPanelsTitlesVisible(true);
    view->setMinimumHeight(260);
    auto *preview = new ItemPreview;
    view->setPreviewWidget(preview);
    connect(view, &CascadingListView::currentItemChanged, preview,
            [preview, levelNames](const QModelIndex &index) { preview->showItem(index, levelNames); });

    auto *options = new QWidget(this);
    auto *form = new QGridLayout(options);
    form->setContentsMargins(0, 0, 0, 0);
    form->setColumnStretch(2, 1); // the options keep their natural width, on the left
    auto *persistent = new Components::SwitchCheckBox(tr("Persistent panels"), options);
    persistent->setChecked(view->hasPersistentPanels());
    connect(persistent, &QCheckBox::toggled, view, &CascadingListView::setPersistentPanels);
    auto *titles = new Components::SwitchCheckBox(tr("Panel titles"), options);
    titles->setChecked(view->arePanelsTitlesVisible());
    connect(titles, &QCheckBox::toggled, view, &CascadingListView::setPanelsTitlesVisible);
    auto *policy = new QComboBox(options);
    policy->addItem(tr("Always shown"), CascadingListView::PREVIEW_ALWAYS_SHOWN);
    policy->addItem(tr("Always hidden"), CascadingListView::PREVIEW_ALWAYS_HIDDEN);
    policy->addItem(tr("Shown on demand"), CascadingListView::PREVIEW_SHOWN_ON_DEMAND);
    auto *onDemand = new Components::SwitchCheckBox(tr("Show preview"), options);
    onDemand->setEnabled(false);
    connect(policy, QOverload<int>::of(&QComboBox::currentIndexChanged), view, [=](int row) {
        const auto chosen = CascadingListView::PreviewPolicy(policy->itemData(row).toInt());
        view->setPreviewPolicy(chosen);
        onDemand->setEnabled(chosen == CascadingListView::PREVIEW_SHOWN_ON_DEMAND);
    });
    connect(onDemand, &QCheckBox::toggled, view, &CascadingListView::setPreviewVisible);
    auto *policyLabel = new QLabel(tr("Preview:"), options);
    policyLabel->setBuddy(policy);
    form->addWidget(persistent, 0, 0, 1, 2);
    form->addWidget(titles, 1, 0, 1, 2);
    form->addWidget(policyLabel, 2, 0);
    form->addWidget(policy, 2, 1);
    form->addWidget(onDemand, 3, 0, 1, 2);

    addWideComponent(view, options, tr("CascadingListView over a five-level catalogue"));

    // Open a path five levels deep, so that the page shows the cascade at its fullest.
    openPath(view, {0, 0, 1, 2, 1});
}

CascadingViewPage::~CascadingViewPage() = default;

} // namespace Gallery
} // namespace Nalu
