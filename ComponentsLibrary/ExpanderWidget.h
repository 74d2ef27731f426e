// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/CardWidgetBase.h>

namespace Nalu {
namespace Components {

/**
 * @brief An expander is a container that the user opens and closes by clicking its header, or by pressing Space, Enter
 * or Return while the pointer rests on the header.
 *
 * A card frame that the user opens and closes by clicking its header; collapsed, only the header shows.
 *
 * Space, Enter and Return toggle it too while the pointer rests on the header. Stacked in an exclusive
 * ExpanderWidgetGroup, expanders behave like the pages of a tool box.
 */
class COMPONENTSLIBRARY_EXPORT ExpanderWidget : public CardWidgetBase
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "An expander is a container that the user opens and closes by clicking its header, or by pressing "
                "Space, Enter or Return while the pointer rests on the header. Collapsed, it shows only its header; "
                "expanded, it shows its contents and its optional footer too. The header carries an expand "
                "indicator from the icon theme (chevron.right collapsed, chevron.down expanded, chevron.up when "
                "the header sits below the contents), an upper-cased title, an optional subtitle, menu and side "
                "widgets.\n\n"
                "Expanders are typically stacked in a vertical layout without margins or spacing; put them into an "
                "ExpanderWidgetGroup to keep at most one open, like the pages of a tool box. minimized gives a "
                "smaller header for dense panels. A new expander is expanded and has no frame (shape NoFrame).")
    Q_CLASSINFO("example_settings_stack",
                "auto *layout = new QVBoxLayout(parent);\n"
                "layout->setContentsMargins(0, 0, 0, 0);\n"
                "layout->setSpacing(0);\n"
                "auto *general = new Nalu::Components::ExpanderWidget(QObject::tr(\"General\"), parent);\n"
                "general->setContentsWidget(new QCheckBox(QObject::tr(\"Start with the system\")));\n"
                "auto *network = new Nalu::Components::ExpanderWidget(QObject::tr(\"Network\"), "
                "QObject::tr(\"Proxy and timeouts\"), parent);\n"
                "network->setContentsWidget(new QLineEdit(QStringLiteral(\"proxy.example.org\")));\n"
                "network->collapse();\n"
                "layout->addWidget(general);\n"
                "layout->addWidget(network);\n"
                "layout->addStretch();\n")
    Q_CLASSINFO("example_minimized_with_footer",
                "auto *expander = new Nalu::Components::ExpanderWidget(QObject::tr(\"Details\"), parent);\n"
                "expander->setMinimized(true);\n"
                "expander->setShape(Nalu::Components::CardWidgetBase::Box);\n"
                "expander->setContentsWidget(new QLabel(QObject::tr(\"Acquired on Monday, 12 frames.\")));\n"
                "expander->setFooterWidget(new QPushButton(QObject::tr(\"Open\")));\n")
    /** @brief The contents and footer are shown; default true. */
    Q_PROPERTY(bool expanded READ isExpanded WRITE setExpanded NOTIFY expandedChanged)
    /** @brief The user can open and close the expander; switching it off collapses it; default true. */
    Q_PROPERTY(bool expandable READ isExpandable WRITE setExpandable)
    /** @brief Smaller header height and title font; default false. */
    Q_PROPERTY(bool minimized READ isMinimized WRITE setMinimized)

public:
    /** @brief Creates an expanded, expandable expander without a frame (shape NoFrame; shapeChanged(NoFrame) is emitted
     * during construction). */
    explicit ExpanderWidget(QWidget *parent);
    /** @brief Creates the expander with @p title. */
    ExpanderWidget(const QString &title, QWidget *parent);
    /** @brief Creates the expander with @p title and @p subtitle. */
    ExpanderWidget(const QString &title, const QString &subtitle, QWidget *parent);
    ~ExpanderWidget() override;

    /** @brief Whether the contents and footer are shown (the expanded property). */
    bool isExpanded() const;
    /** @brief Whether the user can open and close the expander (the expandable property). */
    bool isExpandable() const;
    /** @brief Whether the header has its smaller look (the minimized property). */
    bool isMinimized() const;

    /** @brief The frame's size hint; while collapsed its height is the header's size-hint height plus the frame's
     * margins. */
    QSize sizeHint() const override;
    /** @brief Places the contents; they are shown only while expanded. */
    void setContentsWidget(QWidget *widget) override;
    /** @brief Places the footer; it is shown only while expanded, footerVisible follows the widget. */
    void setFooterWidget(QWidget *widget) override;

public Q_SLOTS:
    /** @brief Opens or closes the expander, even one that is not expandable; expandedChanged() follows a change. */
    void setExpanded(bool expanded);
    /** @brief Lets the user open and close the expander; switching it off collapses an expanded one (emitting
     * expandedChanged(false)). */
    void setExpandable(bool expandable);
    /** @brief Same as setExpanded(true). */
    void expand();
    /** @brief Same as setExpanded(false). */
    void collapse();
    /** @brief Gives the header its smaller look (lower height, smaller title font) or the normal one. */
    void setMinimized(bool minimized);

Q_SIGNALS:
    /**
     * @brief Emitted when the expander opened or closed, by a click, a key or setExpanded(), with the new state.
     * The contents and footer containers are already shown or hidden and the layouts invalidated; updates of the
     * expander and its ancestors are disabled while the signal is emitted and enabled again right after.
     */
    void expandedChanged(bool expanded);

protected Q_SLOTS:
    /** @brief Receives the header's expandedChanged(): shows or hides the contents and footer, invalidates the layouts
     * up to the window, then emits expandedChanged(). */
    void onHeaderExpandedChanged(bool expanded);

private:
    void init();

    Q_DISABLE_COPY(ExpanderWidget)
};

} // namespace Components
} // namespace Nalu
