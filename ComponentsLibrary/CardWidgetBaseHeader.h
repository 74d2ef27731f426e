// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QWidget>

#include <memory>

class QMenu;

namespace Nalu {
namespace Components {

class CardWidgetBaseHeaderPrivate;

/**
 * @brief The header strip of cards and expanders: expand indicator, title, subtitle, menu button and two side areas.
 *
 * The child widgets keep fixed object names ("expandIndicator", "title", "subtitle", "menuButton",
 * "headerRightWidget", "headerBottomWidget") so that style sheets can select on them. An expandable header toggles
 * its expanded state on a left click, or on Space, Enter or Return while the pointer rests on it. It also takes the
 * keyboard focus (Tab or a click), shows the style's focus frame and toggles on Space, Enter or Return while it has
 * the focus; a header that is not expandable takes no focus.
 */
class COMPONENTSLIBRARY_EXPORT CardWidgetBaseHeader : public QWidget
{
    Q_OBJECT
    /** @brief The title as set; shown upper-cased while upperCaseTitle is set; default empty. */
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    /** @brief The subtitle, hidden while empty; default empty. */
    Q_PROPERTY(QString subtitle READ subtitle WRITE setSubtitle NOTIFY subtitleChanged)
    /** @brief Shows the title in upper case; default true. */
    Q_PROPERTY(bool upperCaseTitle READ hasUpperCaseTitle WRITE setUpperCaseTitle NOTIFY upperCaseTitleChanged)
    /** @brief The header sits below the contents (the expanded indicator points up); default false. */
    Q_PROPERTY(
        bool invertedAppearance READ hasInvertedAppearance WRITE setInvertedAppearance NOTIFY invertedAppearanceChanged)
    /** @brief The user can expand and collapse the header; default false. */
    Q_PROPERTY(bool expandable READ isExpandable WRITE setExpandable NOTIFY expandableChanged)
    /** @brief The current expanded state; default false. */
    Q_PROPERTY(bool expanded READ isExpanded WRITE setExpanded NOTIFY expandedChanged)
    /** @brief Smaller title font, indicator and menu button; default false. */
    Q_PROPERTY(bool minimized READ isMinimized WRITE setMinimized NOTIFY minimizedChanged)

public:
    /** @brief Creates an empty header: no title, subtitle, menu or side widgets, not expandable, not expanded. */
    explicit CardWidgetBaseHeader(QWidget *parent);
    /** @brief Creates the header, then sets @p title (emitting titleChanged() when it is not empty). */
    CardWidgetBaseHeader(const QString &title, QWidget *parent);
    /** @brief Creates the header, then sets @p title and @p subtitle, in that order. */
    CardWidgetBaseHeader(const QString &title, const QString &subtitle, QWidget *parent);
    ~CardWidgetBaseHeader() override;

    /** @brief The title as set, before any upper-casing (the title property). */
    const QString &title() const;
    /** @brief The subtitle (the subtitle property). */
    const QString &subtitle() const;
    /** @brief Whether the title is shown in upper case (the upperCaseTitle property). */
    bool hasUpperCaseTitle() const;
    /** @brief Whether the header sits below the contents (the invertedAppearance property). */
    bool hasInvertedAppearance() const;
    /** @brief Whether the user can expand and collapse the header (the expandable property). */
    bool isExpandable() const;
    /** @brief Whether the header is expanded (the expanded property). */
    bool isExpanded() const;
    /** @brief Whether the header has its smaller look (the minimized property). */
    bool isMinimized() const;

    /** @brief The caller's widget in the right area, or null. */
    QWidget *getHeaderRightWidget() const;
    /** @brief Places a widget in the right area; the previous one is handed back without a parent. Null clears. */
    void setHeaderRightWidget(QWidget *widget);
    /** @brief The caller's widget in the bottom area, or null. */
    QWidget *getHeaderBottomWidget() const;
    /** @brief Places a widget in the bottom area; the previous one is handed back without a parent. Null clears. */
    void setHeaderBottomWidget(QWidget *widget);

    /** @brief The menu of the menu button, or null. */
    QMenu *getMenu() const;
    /** @brief Sets the menu of the menu button, shown only while there is a menu; the caller keeps ownership. */
    void setMenu(QMenu *menu);

    /** @brief The width of the shown parts (expand indicator, titles, right widget, menu button) with the layout's
     * margins and spacing; the height of the layout. */
    QSize sizeHint() const override;

public Q_SLOTS:
    /** @brief Sets the title and shows it (hidden while empty); when it changes, repaints, then emits titleChanged().
     */
    void setTitle(const QString &title);
    /** @brief Sets the subtitle and shows it (hidden while empty); when it changes, repaints, then emits
     * subtitleChanged(). */
    void setSubtitle(const QString &subtitle);
    /** @brief Shows the title in upper case or as set; when it changes, repaints, then emits upperCaseTitleChanged().
     */
    void setUpperCaseTitle(bool upperCaseTitle);
    /** @brief Marks the header as sitting below the contents (the expanded indicator then points up); when it changes,
     * repaints, then emits invertedAppearanceChanged(). */
    void setInvertedAppearance(bool invertedAppearance);
    /**
     * @brief Lets the user expand and collapse the header, and shows the expand indicator while set.
     * When it changes: switching it off first collapses an expanded header (setExpanded(false), which emits
     * expandedChanged(false)), then the header repaints and emits expandableChanged().
     */
    void setExpandable(bool expandable);
    /** @brief Expands or collapses the header, whether or not it is expandable; when it changes, updates the indicator,
     * repaints, then emits expandedChanged(). */
    void setExpanded(bool expanded);
    /** @brief Same as setExpanded(true). */
    void expand();
    /** @brief Same as setExpanded(false). */
    void collapse();
    /** @brief Switches to the smaller look (half-height menu button, title font from
     * "CardWidgetBase_Title_MinimizedFont"); when it changes, repaints, then emits minimizedChanged(). */
    void setMinimized(bool minimized);

Q_SIGNALS:
    /** @brief Emitted by setTitle() when the title changed, last, with the new title. */
    void titleChanged(const QString &title);
    /** @brief Emitted by setSubtitle() when the subtitle changed, last, with the new subtitle. */
    void subtitleChanged(const QString &subtitle);
    /** @brief Emitted by setUpperCaseTitle() when the flag changed, last, with the new value. */
    void upperCaseTitleChanged(bool upperCaseTitle);
    /** @brief Emitted by setInvertedAppearance() when the flag changed, last, with the new value. */
    void invertedAppearanceChanged(bool invertedAppearance);
    /** @brief Emitted by setExpandable() when the flag changed, last: after the expandedChanged(false) of a header that
     * it collapsed. */
    void expandableChanged(bool expandable);
    /** @brief Emitted by setExpanded() when the state changed, last, with the new state; a click or key that toggles
     * the header and setExpandable(false) go through setExpanded(). */
    void expandedChanged(bool expanded);
    /** @brief Emitted by setMinimized() when the flag changed, last, with the new value. */
    void minimizedChanged(bool minimized);

protected Q_SLOTS:
    /** @brief Shows the expand indicator while expandable, with the chevron for the current state (highlighted from the
     * style while the pointer is over the header). */
    void updateExpandIndicator();
    /** @brief Toggles an expandable header when Space, Enter or Return is pressed while the pointer rests on it (not on
     * a side widget). */
    void expandShortcut();

protected:
    /** @brief A left release on an expandable header (not on a side widget) toggles it; any other release, and every
     * release on a header that is not expandable, goes on to the parent. */
    void mouseReleaseEvent(QMouseEvent *event) override;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) // Qt 6 passes enter events as QEnterEvent
    void enterEvent(QEnterEvent *event) override;
#else
    /** @brief Highlights the expand indicator and enables the Space, Enter and Return shortcuts while the pointer is
     * over the header. */
    void enterEvent(QEvent *event) override;
#endif
    /** @brief Restores the expand indicator and disables the shortcuts. */
    void leaveEvent(QEvent *event) override;
    /** @brief Takes the title font from the theme property of the current look, then paints as QWidget. */
    void paintEvent(QPaintEvent *event) override;
    /** @brief Space, Enter and Return toggle an expandable header that has the focus. */
    void keyPressEvent(QKeyEvent *event) override;
    /** @brief While it has the focus, those keys go to the header rather than to the hover shortcuts. */
    bool event(QEvent *event) override;
    /** @brief Redraws the expand indicator when the style, palette or icon theme changes. */
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(CardWidgetBaseHeader)
    std::unique_ptr<CardWidgetBaseHeaderPrivate> const d;
};

} // namespace Components
} // namespace Nalu
