// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QModelIndex>
#include <QStringList>
#include <QWidget>

#include <memory>

class QAbstractItemDelegate;
class QAbstractItemModel;

namespace Nalu {
namespace Components {

class CascadingListViewPrivate;

/**
 * @brief A cascading list view browses a tree model one column per level, left to right.
 *
 * Browses a tree model column by column: one CascadingListViewPanel per depth level, and a preview area.
 *
 * The panels are rebuilt from the model's depth when the model is set or reset; row insertions and removals do not
 * change their number. The model stays the caller's; one deleted while set is treated as no model.
 */
class COMPONENTSLIBRARY_EXPORT CascadingListView : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A cascading list view browses a tree model one column per level, left to right. Selecting an item "
                "in a panel lists its children in the next panel and empties the panels further right; Left and "
                "Right move between the levels. Each panel sits in a card whose header can show a title for its "
                "level. An optional preview area at the right shows a widget the application supplies, for example "
                "details of the current item (currentItemChanged).\n\n"
                "Panels are either all shown (persistent) or shown only when they have something to list. The "
                "style sheet can select on the fixed object names of the parts, on the properties filled and small "
                "of the splitters and on CardWidget_NoCornerRadius of the panel cards.")
    Q_CLASSINFO("example_browse_tree",
                "auto *model = new QStandardItemModel(parent);\n"
                "for (const QString &continent : {QStringLiteral(\"Europe\"), QStringLiteral(\"Asia\")}) {\n"
                "    auto *item = new QStandardItem(continent);\n"
                "    for (int i = 1; i <= 3; ++i) {\n"
                "        auto *country = new QStandardItem(continent + QStringLiteral(\" %1\").arg(i));\n"
                "        country->appendRow(new QStandardItem(QStringLiteral(\"Capital\")));\n"
                "        item->appendRow(country);\n"
                "    }\n"
                "    model->appendRow(item);\n"
                "}\n"
                "auto *layout = new QVBoxLayout(parent);\n"
                "auto *view = new Nalu::Components::CascadingListView(model, parent);\n"
                "view->setPanelsTitles({QObject::tr(\"Continent\"), QObject::tr(\"Country\")});\n"
                "view->setPanelsTitlesVisible(true);\n"
                "view->setPreviewPolicy(Nalu::Components::CascadingListView::PREVIEW_ALWAYS_HIDDEN);\n"
                "layout->addWidget(view);\n")
    Q_CLASSINFO("example_preview_on_demand",
                "auto *model = new QStandardItemModel(parent);\n"
                "model->appendRow(new QStandardItem(QStringLiteral(\"Readme\")));\n"
                "auto *view = new Nalu::Components::CascadingListView(model, parent);\n"
                "auto *details = new QLabel(view);\n"
                "view->setPreviewWidget(details);\n"
                "view->setPreviewPolicy(Nalu::Components::CascadingListView::PREVIEW_SHOWN_ON_DEMAND);\n"
                "QObject::connect(view, &Nalu::Components::CascadingListView::currentItemChanged, details,\n"
                "                 [view, details](const QModelIndex &index) {\n"
                "                     details->setText(index.data().toString());\n"
                "                     view->setPreviewVisible(index.isValid());\n"
                "                 });\n")
    /** @brief The number of panels, the depth of the model at its last reset; default 0 without a model. */
    Q_PROPERTY(int numberOfPanels READ getNumberOfPanels)
    /** @brief The number of panels currently visible on screen; 0 while the view is hidden. */
    Q_PROPERTY(int numberOfVisiblePanels READ getNumberOfVisiblePanels)
    /** @brief All panels stay visible; when false a panel shows only when it has something to list; default true. */
    Q_PROPERTY(bool persistentPanels READ hasPersistentPanels WRITE setPersistentPanels NOTIFY persistentPanelsChanged)
    /** @brief The titles of the panels' cards, in level order; default "Title" and the level ("Title0", ...). */
    Q_PROPERTY(QStringList panelsTitles READ getPanelsTitles WRITE setPanelsTitles DESIGNABLE false)
    /** @brief The cards' headers, with the titles, are shown; default false. */
    Q_PROPERTY(bool panelsTitlesVisible READ arePanelsTitlesVisible WRITE setPanelsTitlesVisible NOTIFY
                   panelsTitlesVisibleChanged)
    /** @brief When the preview area is shown; default PREVIEW_ALWAYS_SHOWN. */
    Q_PROPERTY(Nalu::Components::CascadingListView::PreviewPolicy previewPolicy READ getPreviewPolicy WRITE
                   setPreviewPolicy NOTIFY previewPolicyChanged)

public:
    /** @brief When the preview area is shown. */
    enum PreviewPolicy {
        PREVIEW_ALWAYS_SHOWN = 0, ///< the preview area is always shown
        PREVIEW_ALWAYS_HIDDEN = 1, ///< the preview area is never shown
        /** Shown exactly while setPreviewVisible(true) is in force. */
        PREVIEW_SHOWN_ON_DEMAND = 2
    };
    Q_ENUM(PreviewPolicy)

    /** @brief Creates the view browsing @p model (null for none; see setModel()). */
    CascadingListView(QAbstractItemModel *model, QWidget *parent);
    /**
     * @brief Creates the view without a model, as forms built with Designer do (uic calls it with the parent
     * alone); give it one with setModel().
     */
    explicit CascadingListView(QWidget *parent)
        : CascadingListView(nullptr, parent)
    {
    }
    ~CascadingListView() override;

    /** @brief The model browsed, or null. */
    const QAbstractItemModel *getModel() const;
    /** @brief Browses @p model (null for none) from its top level; always rebuilds the panels. */
    void setModel(QAbstractItemModel *model);

    /** @brief The number of panels (the numberOfPanels property). */
    int getNumberOfPanels() const;
    /** @brief The number of panels visible on screen (the numberOfVisiblePanels property). */
    int getNumberOfVisiblePanels() const;
    /** @brief Whether every panel stays visible (the persistentPanels property). */
    bool hasPersistentPanels() const;
    /** @brief The titles of the panels, in level order (the panelsTitles property). */
    QStringList getPanelsTitles() const;
    /** @brief The title of the panel at level @p panelId, empty when there is no such panel. */
    QString getPanelTitle(int panelId) const;
    /** @brief Whether the panels show their titles (the panelsTitlesVisible property). */
    bool arePanelsTitlesVisible() const;
    /** @brief When the preview area is shown (the previewPolicy property). */
    PreviewPolicy getPreviewPolicy() const;

    /** @brief Puts @p widget into the preview area, which owns it and deletes the previous one. */
    void setPreviewWidget(QWidget *widget);
    /** @brief Sets the delegate of every existing panel; panels added by a later reset keep the default one. */
    void setItemDelegate(QAbstractItemDelegate *delegate);
    /** @brief Sets the delegate of the panel at level @p panelId; ignored when there is no such panel. */
    void setItemDelegateForPanel(int panelId, QAbstractItemDelegate *delegate);

    /** @brief Same as minimumSizeHint(). */
    QSize sizeHint() const override;
    /** @brief QWidget's minimum size hint, at least as high as the tallest panel, plus the height of the horizontal
     * scroll bar. */
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /** @brief Keeps every panel visible, or shows a panel only when it has something to list; when it changes, updates
     * the panels, then emits persistentPanelsChanged(). */
    void setPersistentPanels(bool persistentPanels);
    /** @brief Titles the existing panels in order; panels beyond the list get "Title" and their level. */
    void setPanelsTitles(const QStringList &panelsTitles);
    /** @brief Titles the panel at level @p panelId; ignored when there is no such panel. */
    void setPanelTitle(int panelId, const QString &panelTitle);
    /** @brief Shows or hides the panels' headers; when it changes, applies it to every panel, then emits
     * panelsTitlesVisibleChanged(). */
    void setPanelsTitlesVisible(bool panelsTitlesVisible);
    /** @brief Sets when the preview area is shown; when it changes, updates the panels and the preview area, then emits
     * previewPolicyChanged(). */
    void setPreviewPolicy(Nalu::Components::CascadingListView::PreviewPolicy previewPolicy);
    /** @brief Shows or hides the preview area under PREVIEW_SHOWN_ON_DEMAND; remembered under the other policies. */
    void setPreviewVisible(bool visible);

Q_SIGNALS:
    /** @brief Emitted by setPersistentPanels() when the flag changed, last, with the new value. */
    void persistentPanelsChanged(bool hasPersistentPanels);
    /** @brief Emitted by setPanelsTitlesVisible() when the flag changed, last, with the new value. */
    void panelsTitlesVisibleChanged(bool arePanelsTitlesVisible);
    /** @brief Emitted by setPreviewPolicy() when the policy changed, last, with the new policy. */
    void previewPolicyChanged(Nalu::Components::CascadingListView::PreviewPolicy previewPolicy);
    /**
     * @brief The item selected in some panel, or an invalid index when a panel's selection was cleared.
     *
     * Emitted after the panels' visibility was updated for the new item.
     */
    void currentItemChanged(QModelIndex index);

protected Q_SLOTS:
    /** @brief Makes one panel per model level, lists the top level in the first and empties the others. */
    void onModelUpdated();
    /** @brief Receives a panel's new current item: updates which panels show (except while the panels are being
     * rebuilt), then emits currentItemChanged(). */
    void onCurrentIndexChanged(const QModelIndex &index);
    /** @brief Shows the panels and the preview area as the settings and the current items ask. */
    void updatePanelsVisibility();

private:
    Q_DISABLE_COPY(CascadingListView)
    std::unique_ptr<CascadingListViewPrivate> const d;
};

} // namespace Components
} // namespace Nalu
