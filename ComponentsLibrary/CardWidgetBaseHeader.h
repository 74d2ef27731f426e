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
    explicit CardWidgetBaseHeader(QWidget *parent);
    CardWidgetBaseHeader(const QString &title, QWidget *parent);
    CardWidgetBaseHeader(const QString &title, const QString &subtitle, QWidget *parent);
    ~CardWidgetBaseHeader() override;

    const QString &title() const;
    const QString &subtitle() const;
    bool hasUpperCaseTitle() const;
    bool hasInvertedAppearance() const;
    bool isExpandable() const;
    bool isExpanded() const;
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

    QSize sizeHint() const override;

public Q_SLOTS:
    void setTitle(const QString &title);
    void setSubtitle(const QString &subtitle);
    void setUpperCaseTitle(bool upperCaseTitle);
    void setInvertedAppearance(bool invertedAppearance);
    void setExpandable(bool expandable);
    void setExpanded(bool expanded);
    void expand();
    void collapse();
    void setMinimized(bool minimized);

Q_SIGNALS:
    void titleChanged(const QString &title);
    void subtitleChanged(const QString &subtitle);
    void upperCaseTitleChanged(bool upperCaseTitle);
    void invertedAppearanceChanged(bool invertedAppearance);
    void expandableChanged(bool expandable);
    void expandedChanged(bool expanded);
    void minimizedChanged(bool minimized);

protected Q_SLOTS:
    void updateExpandIndicator();
    void expandShortcut();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) // Qt 6 passes enter events as QEnterEvent
    void enterEvent(QEnterEvent *event) override;
#else
    void enterEvent(QEvent *event) override;
#endif
    void leaveEvent(QEvent *event) override;
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
