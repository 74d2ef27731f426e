// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CascadingListView.h>

#include "Accessibility_p.h"
#include "DefaultText_p.h"
#include "WidgetTree_p.h"

#include "ui_CascadingListView.h"

#include <ComponentsLibrary/CascadingListViewPanel.h>
#include <ComponentsLibrary/CascadingListViewPanelContainer.h>
#include <ComponentsLibrary/CascadingListViewPanelPreview.h>
#include <ComponentsLibrary/MinimizedScrollBar.h>

#include <vantor_common_utils/Helpers.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QMetaEnum>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>

#include <algorithm>

namespace Nalu {
namespace Components {

namespace {

// QAbstractScrollArea shows a scroll bar "as needed" only one pass of the event loop after its range grew, so a
// resize that makes the panels overflow lays them out twice, at the full height and then above the scroll bar.
// Giving the bar its range before the area lays itself out for the new size shows it in that same layout.
class ScrollBarAhead : public QObject
{
public:
    explicit ScrollBarAhead(QScrollArea *area)
        : QObject(area)
        , area(area)
    {
        area->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == area && event->type() == QEvent::Resize) {
            QScrollBar *bar = area->horizontalScrollBar();
            const QWidget *contents = area->widget();
            if (contents && area->widgetResizable() && area->horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded
                && bar->maximum() <= bar->minimum()) {
                const int available = static_cast<QResizeEvent *>(event)->size().width() - 2 * area->frameWidth();
                const int needed = std::max(contents->minimumSizeHint().width(), contents->minimumWidth()) - available;
                if (needed > 0) {
                    bar->setRange(0, needed);
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QScrollArea *const area;
};

} // namespace

class CascadingListViewPrivate
{
public:
    std::unique_ptr<Ui::CascadingListView> form = std::make_unique<Ui::CascadingListView>();
    QPointer<QAbstractItemModel> model;
    bool persistentPanels = true;
    bool panelsTitlesVisible = false;
    CascadingListView::PreviewPolicy previewPolicy = CascadingListView::PREVIEW_ALWAYS_SHOWN;
    bool previewVisible = false;
    // Children of the panels splitter, which deletes them with the view.
    QList<CascadingListViewPanelContainer *> panels;
    QSplitter *panelsSplitter = nullptr;
    // Panels emit while a reset rebuilds them; the visibility is worked out once at the end instead.
    bool rebuilding = false;
    // The title of a level the application gave none, in the language it was set in ("Title%1").
    QString titleFiller;
    // How deep the view is inside its own currentItemChanged: receivers may rebuild the panels while the
    // panel that reported, and the panels that made it report, are still running.
    int emitting = 0;
    int maximumNumberOfPanels = CascadingListView::DefaultMaximumNumberOfPanels;

    // Takes a container out of the view. While the view is emitting, the panel in it may be one that is
    // still on the stack: then it leaves the chain at once and is deleted once control is back in the
    // event loop.
    void removeContainer(CascadingListView *view, CascadingListViewPanelContainer *container)
    {
        if (emitting == 0) {
            delete container;
            return;
        }
        if (CascadingListViewPanel *panel = container->getPanel()) {
            panel->detachFromChain();
        }
        container->hide();
        container->setParent(view);
        container->deleteLater();
    }

    CascadingListViewPanel *panel(int panelId) const
    {
        return panelId >= 0 && panelId < panels.count() ? panels.at(panelId)->getPanel() : nullptr;
    }

    bool isPanelWanted(int panelId) const
    {
        if (persistentPanels || panelId == 0) {
            return true;
        }
        const CascadingListViewPanel *previous = panel(panelId - 1);
        const QModelIndex current = previous ? previous->currentIndex() : QModelIndex();
        return model && current.isValid() && model->rowCount(current) > 0;
    }

    bool isPreviewWanted() const
    {
        switch (previewPolicy) {
        case CascadingListView::PREVIEW_ALWAYS_SHOWN:
            return true;
        case CascadingListView::PREVIEW_ALWAYS_HIDDEN:
            return false;
        default:
            return previewVisible;
        }
    }
};

CascadingListView::CascadingListView(QAbstractItemModel *model, QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<CascadingListViewPrivate>())
{
    qRegisterMetaType<PreviewPolicy>(); // for queued connections and signal spies
    d->model = model;
    d->panelsSplitter = new QSplitter(Qt::Horizontal);
    d->form->setupUi(this);
    d->titleFiller = tr("Title%1");
    // The filler titles follow the language; titles the application set stay.
    Internal::onLanguageChange(this, [this] {
        const QString before = d->titleFiller;
        d->titleFiller = tr("Title%1");
        for (int i = 0; i < d->panels.count(); ++i) {
            if (d->panels.at(i)->title() == before.arg(i)) {
                d->panels.at(i)->setTitle(d->titleFiller.arg(i));
            }
        }
    });
    d->form->splitter->setProperty("filled", true);

    d->panelsSplitter->setProperty("small", true);
    d->panelsSplitter->setProperty("filled", true);
    d->panelsSplitter->setParent(d->form->panelsContainer);
    d->panelsSplitter->setChildrenCollapsible(false);
    d->form->panelsContainer->layout()->addWidget(d->panelsSplitter);

    d->form->scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->form->scrollArea->setHorizontalScrollBar(new MinimizedScrollBar(d->form->scrollArea, Qt::Horizontal));
    new ScrollBarAhead(d->form->scrollArea);
    // The panels take the focus; the area that scrolls them into view need not be a stop of its own.
    d->form->scrollArea->setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    setModel(model);
}

CascadingListView::~CascadingListView() = default;

const QAbstractItemModel *CascadingListView::getModel() const
{
    return d->model;
}

void CascadingListView::setModel(QAbstractItemModel *model)
{
    if (d->model) {
        disconnect(d->model, &QAbstractItemModel::modelReset, this, &CascadingListView::onModelUpdated);
    }
    d->model = model;
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &CascadingListView::onModelUpdated);
    }
    onModelUpdated();
}

void CascadingListView::onModelUpdated()
{
    QWidget *contents = d->form->scrollAreaWidgetContents;
    contents->setVisible(false);
    d->rebuilding = true;
    // Each container that joins or leaves the panels splitter makes it ask every child that is not hidden for its
    // size hints, which for a card means its whole layout: over n levels that is n times n cards. Hidden children
    // are skipped, so the containers stay hidden until updatePanelsVisibility() below shows the wanted ones.
    for (CascadingListViewPanelContainer *container : qAsConst(d->panels)) {
        container->hide();
    }
    const int depth = Helpers::getModelMaxDepth(d->model, d->maximumNumberOfPanels);
    while (d->panels.count() > depth) {
        d->removeContainer(this, d->panels.takeLast());
    }
    while (d->panels.count() < depth) {
        CascadingListViewPanel *parentPanel = d->panels.isEmpty() ? nullptr : d->panels.last()->getPanel();
        // Made without a parent: the card below takes it at once. A panel made in the splitter would join it as a
        // pane of its own for that moment, with a splitter handle made and destroyed and two more re-measures.
        auto *panel = new CascadingListViewPanel(d->model, parentPanel, nullptr);
        auto *container = new CascadingListViewPanelContainer(panel, d->panelsSplitter);
        container->hide();
        container->setHeaderVisible(d->panelsTitlesVisible);
        // The splitter gives every panel its full height. Qt 6's splitter also caps its own height at that of
        // children whose vertical policy is fixed, as a card's is: let the container grow.
        QSizePolicy policy = container->sizePolicy();
        policy.setVerticalPolicy(QSizePolicy::Preferred);
        container->setSizePolicy(policy);
        d->panelsSplitter->addWidget(container);
        d->panels.append(container);
        connect(panel, &CascadingListViewPanel::currentItemChanged, this, &CascadingListView::onCurrentIndexChanged);
    }
    // Panels made now come last in the window's focus chain: Tab must reach them before the preview.
    Keyboard::placeInFocusChain(d->panelsSplitter, d->form->scrollArea);
    int preferredPanelsContainerWidth = 0;
    for (int i = 0; i < d->panels.count(); ++i) {
        if (CascadingListViewPanel *panel = d->panels.at(i)->getPanel()) {
            // Setting the same model again changes nothing in the first panel: drop its selection explicitly.
            if (i == 0 && panel->currentIndex().isValid()) {
                panel->setCurrentIndex(QModelIndex());
            }
            panel->setModel(i == 0 ? d->model.data() : nullptr);
        }
        preferredPanelsContainerWidth += d->panels.at(i)->minimumSizeHint().width() + d->panelsSplitter->handleWidth();
    }
    d->form->splitter->setSizes(
        {preferredPanelsContainerWidth, d->form->splitter->width() - preferredPanelsContainerWidth});
    d->rebuilding = false;
    updatePanelsVisibility();
}

void CascadingListView::onCurrentIndexChanged(const QModelIndex &index)
{
    if (!d->rebuilding) {
        updatePanelsVisibility();
    }
    ++d->emitting;
    Q_EMIT currentItemChanged(index);
    --d->emitting;
}

void CascadingListView::updatePanelsVisibility()
{
    QWidget *contents = d->form->scrollAreaWidgetContents;
    QWidget *preview = d->form->panelPreview;
    const bool previewWanted = d->isPreviewWanted();
    // Hiding and showing the contents relayouts every panel: skip it when nothing would change.
    bool changed = contents->isHidden() || preview->isHidden() == previewWanted;
    QVector<bool> wanted(d->panels.count());
    for (int i = 0; i < d->panels.count(); ++i) {
        wanted[i] = d->isPanelWanted(i);
        changed = changed || d->panels.at(i)->isHidden() == wanted.at(i);
    }
    if (!changed) {
        return;
    }
    // Hiding the contents takes the focus from a panel in it.
    const QPointer<QWidget> focusWidget = QApplication::focusWidget();
    contents->setVisible(false);
    for (int i = 0; i < d->panels.count(); ++i) {
        d->panels.at(i)->setVisible(wanted.at(i));
    }
    preview->setVisible(previewWanted);
    // A splitter that is not visible yet neither shows the handles of panels shown meanwhile nor tells the layouts
    // around it: the first show would lay out every panel at the sizes measured before, then again once the
    // splitter catches up. Bring it and them up to date now, so that the first layout is the final one.
    if (!d->panelsSplitter->isVisible()) {
        QEvent layoutRequest(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(d->panelsSplitter, &layoutRequest);
        d->panelsSplitter->updateGeometry();
        d->form->panelsContainer->updateGeometry();
    }
    contents->setVisible(true);
    // A widget that is hidden now must not keep the keyboard; Qt has passed it on already.
    if (focusWidget && focusWidget->isVisible()) {
        focusWidget->setFocus();
    }
}

int CascadingListView::getNumberOfPanels() const
{
    return d->panels.count();
}

int CascadingListView::getNumberOfVisiblePanels() const
{
    return static_cast<int>(std::count_if(d->panels.cbegin(), d->panels.cend(),
                                          [](const CascadingListViewPanelContainer *c) { return c->isVisible(); }));
}

int CascadingListView::getMaximumNumberOfPanels() const
{
    return d->maximumNumberOfPanels;
}

void CascadingListView::setMaximumNumberOfPanels(int maximumNumberOfPanels)
{
    if (maximumNumberOfPanels < 1) {
        qWarning("Nalu::Components::CascadingListView::setMaximumNumberOfPanels: %d is not a number of panels, "
                 "the maximum stays %d",
                 maximumNumberOfPanels, d->maximumNumberOfPanels);
        return;
    }
    if (d->maximumNumberOfPanels == maximumNumberOfPanels) {
        return;
    }
    d->maximumNumberOfPanels = maximumNumberOfPanels;
    onModelUpdated();
    Q_EMIT maximumNumberOfPanelsChanged(maximumNumberOfPanels);
}

bool CascadingListView::hasPersistentPanels() const
{
    return d->persistentPanels;
}

void CascadingListView::setPersistentPanels(bool persistentPanels)
{
    if (d->persistentPanels == persistentPanels) {
        return;
    }
    d->persistentPanels = persistentPanels;
    updatePanelsVisibility();
    Q_EMIT persistentPanelsChanged(persistentPanels);
}

QStringList CascadingListView::getPanelsTitles() const
{
    QStringList titles;
    titles.reserve(d->panels.count());
    for (const CascadingListViewPanelContainer *container : qAsConst(d->panels)) {
        titles.append(container->title());
    }
    return titles;
}

void CascadingListView::setPanelsTitles(const QStringList &panelsTitles)
{
    d->titleFiller = tr("Title%1");
    for (int i = 0; i < d->panels.count(); ++i) {
        d->panels.at(i)->setTitle(i < panelsTitles.count() ? panelsTitles.at(i) : d->titleFiller.arg(i));
    }
}

QString CascadingListView::getPanelTitle(int panelId) const
{
    return panelId >= 0 && panelId < d->panels.count() ? d->panels.at(panelId)->title() : QString();
}

void CascadingListView::setPanelTitle(int panelId, const QString &panelTitle)
{
    if (panelId >= 0 && panelId < d->panels.count()) {
        d->panels.at(panelId)->setTitle(panelTitle);
    }
}

bool CascadingListView::arePanelsTitlesVisible() const
{
    return d->panelsTitlesVisible;
}

void CascadingListView::setPanelsTitlesVisible(bool panelsTitlesVisible)
{
    if (d->panelsTitlesVisible == panelsTitlesVisible) {
        return;
    }
    d->panelsTitlesVisible = panelsTitlesVisible;
    for (CascadingListViewPanelContainer *container : qAsConst(d->panels)) {
        container->setHeaderVisible(panelsTitlesVisible);
    }
    Q_EMIT panelsTitlesVisibleChanged(panelsTitlesVisible);
}

CascadingListView::PreviewPolicy CascadingListView::getPreviewPolicy() const
{
    return d->previewPolicy;
}

void CascadingListView::setPreviewPolicy(PreviewPolicy previewPolicy)
{
    const QMetaEnum policies = QMetaEnum::fromType<PreviewPolicy>();
    if (!policies.valueToKey(previewPolicy)) {
        qWarning(
            "Nalu::Components::CascadingListView::setPreviewPolicy: %d is not a PreviewPolicy, the policy stays %s",
            int(previewPolicy), policies.valueToKey(d->previewPolicy));
        return;
    }
    if (d->previewPolicy == previewPolicy) {
        return;
    }
    d->previewPolicy = previewPolicy;
    updatePanelsVisibility();
    Q_EMIT previewPolicyChanged(previewPolicy);
}

void CascadingListView::setPreviewVisible(bool visible)
{
    if (d->previewVisible == visible) {
        return;
    }
    d->previewVisible = visible;
    if (d->previewPolicy == PREVIEW_SHOWN_ON_DEMAND) {
        updatePanelsVisibility();
    }
}

void CascadingListView::setPreviewWidget(QWidget *widget)
{
    if (!Internal::mayAdopt(this, widget, "CascadingListView::setPreviewWidget")) {
        return;
    }
    d->form->panelPreview->setWidget(widget);
}

void CascadingListView::setItemDelegate(QAbstractItemDelegate *delegate)
{
    for (int i = 0; i < d->panels.count(); ++i) {
        setItemDelegateForPanel(i, delegate);
    }
}

void CascadingListView::setItemDelegateForPanel(int panelId, QAbstractItemDelegate *delegate)
{
    if (CascadingListViewPanel *panel = d->panel(panelId)) {
        panel->setItemDelegate(delegate);
    }
}

QSize CascadingListView::minimumSizeHint() const
{
    QSize size = QWidget::minimumSizeHint();
    for (const CascadingListViewPanelContainer *container : qAsConst(d->panels)) {
        size.setHeight(std::max(size.height(), container->minimumSizeHint().height()));
    }
    size.rheight() += d->form->scrollArea->horizontalScrollBar()->sizeHint().height();
    return size;
}

QSize CascadingListView::sizeHint() const
{
    return minimumSizeHint();
}

namespace {

using Accessibility::WidgetAccessible;

class CascadingListViewAccessible : public WidgetAccessible
{
public:
    explicit CascadingListViewAccessible(CascadingListView *view)
        : WidgetAccessible(view, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const CascadingListView *view = qobject_cast<CascadingListView *>(object());
        if (!view) {
            return {};
        }
        if (t == QAccessible::Description) {
            const int levels = view->getNumberOfPanels();
            return either(applicationDescription(),
                          levels == 1 ? CascadingListView::tr("1 level")
                                      : CascadingListView::tr("%1 levels").arg(levels));
        }
        return WidgetAccessible::text(t);
    }
};

[[maybe_unused]] const bool viewInterface = Accessibility::registerInterface(
    "Nalu::Components::CascadingListView", Accessibility::make<CascadingListView, CascadingListViewAccessible>);

} // namespace

} // namespace Components
} // namespace Nalu
