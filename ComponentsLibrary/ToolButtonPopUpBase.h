// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QToolButton>

#include <memory>

class QMenu;

namespace Nalu {
namespace Components {

class ToolButtonPopUpBasePrivate;

/**
 * @brief A tool button whose menu opens as soon as it is pressed and can hold one arbitrary widget.
 *
 * The pop-up mode is QToolButton::InstantPopup and the button carries the selector property "no menu arrow" = true
 * for the style sheet to hide the menu indicator. With drawPopUpIndicator set, a small triangle in the lower right
 * corner turns the button into a split button: only a press in the lower right third opens the menu, a press
 * elsewhere clicks the button (or toggles it, when checkable).
 *
 * Keyboard: Alt+Down and F4 open the menu; Space opens it too, except on a split button, where Space clicks (or
 * toggles) the button as a press outside the menu zone does. In the menu the focus goes to the widget (to its checked
 * button, if it has one) and Tab and Shift+Tab move among the widget's parts; Escape closes the menu.
 */
class COMPONENTSLIBRARY_EXPORT ToolButtonPopUpBase : public QToolButton
{
    Q_OBJECT
    /** @brief Paints the corner triangle and splits the button into a menu zone and a button zone; default false. */
    Q_PROPERTY(bool drawPopUpIndicator READ getDrawPopUpIndicator WRITE setDrawPopUpIndicator)

public:
    /** @brief Creates the button in instant pop-up mode, with the selector property "no menu arrow" = true. */
    explicit ToolButtonPopUpBase(QWidget *parent = nullptr);
    ~ToolButtonPopUpBase() override;

    /** @brief Whether the corner triangle is drawn and the button is split (the drawPopUpIndicator property). */
    bool getDrawPopUpIndicator() const;

public Q_SLOTS:
    /** @brief Stores the flag and repaints, even when it is unchanged. */
    void setDrawPopUpIndicator(bool draw);

protected:
    /**
     * @brief Replaces the menu by a fresh one, from createMenuInstance(), that holds only the widget.
     *
     * The widget becomes the default widget of a QWidgetAction, which owns it; passing the same widget again moves
     * that same action into the new menu. The previous menu is detached, emptied and kept as a child of the button.
     * A null widget is ignored.
     */
    virtual void setMenuWidget(QWidget *widget);
    /**
     * @brief A new, empty menu owned by the button; the base returns a QMenu in which Tab moves among the
     * parts of the widget.
     */
    virtual QMenu *createMenuInstance();

    /** @brief Paints the tool button, then, with drawPopUpIndicator set, the corner triangle in the window-text colour.
     */
    void paintEvent(QPaintEvent *event) override;
    /** @brief With drawPopUpIndicator set, a left press outside the lower-right third toggles a checkable button or
     * presses the button without opening the menu. */
    void mousePressEvent(QMouseEvent *event) override;
    /** @brief Alt+Down and F4 open the menu; on a split button Space clicks the button part. */
    void keyPressEvent(QKeyEvent *event) override;

private:
    Q_DISABLE_COPY(ToolButtonPopUpBase)
    std::unique_ptr<ToolButtonPopUpBasePrivate> const d;
};

} // namespace Components
} // namespace Nalu
