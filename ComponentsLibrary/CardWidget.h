// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/CardWidgetBase.h>

namespace Nalu {
namespace Components {

class CardWidgetPrivate;

/**
 * @brief A card presents one item, such as an application or a tutorial, under a header with an upper-cased title, an
 * optional subtitle, menu and side widgets, above its contents and an optional footer.
 *
 * A card frame that the user can check with a left click; while checked it shows a highlight and a check mark.
 *
 * The highlight is a rubber band over the whole card (drawn by the style); the 32 x 32 check indicator sits over the
 * bottom-right corner of the contents. Its disc is filled with the theme property "BackgroundBrush"
 * ("BackgroundBrushDisabled" while disabled) and the mark is the style's SP_CustomBase icon for the "highlightedIcon"
 * name "status.checked.circular.colored". A checkable card also takes the keyboard focus (Tab or a click), shows the
 * style's focus frame around itself and toggles on Space while it has the focus.
 */
class COMPONENTSLIBRARY_EXPORT CardWidget : public CardWidgetBase
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A card presents one item, such as an application or a tutorial, under a header with an upper-cased "
                "title, an optional subtitle, menu and side widgets, above its contents and an optional footer. "
                "Cards are typically placed side by side in a flow layout or a grid.\n\n"
                "A checkable card toggles its checked state when the user left-clicks it anywhere its children do "
                "not consume the click, or on Space while it has the keyboard focus; while checked it shows a "
                "highlight over the whole card and a round check mark over the bottom-right corner of its contents. "
                "Put cards into a CardWidgetGroup to let at most one be checked.\n\n"
                "The look comes from the style sheet, which selects on the checked property and on the selector "
                "properties of the three parts (CardWidgetBase_Header, CardWidgetBase_Contents, "
                "CardWidgetBase_Footer, shape, invertedAppearance, headerVisible, footerVisible). The check mark's "
                "disc uses the theme property BackgroundBrush (BackgroundBrushDisabled while disabled).")
    Q_CLASSINFO("example_text_card",
                "auto *card = new Nalu::Components::CardWidget(QObject::tr(\"Tutorial\"), "
                "QObject::tr(\"Ten minutes\"), parent);\n"
                "card->setContentsWidget(new QLabel(QObject::tr(\"Learn how to place cards in a window.\")));\n"
                "card->setFooterWidget(new QPushButton(QObject::tr(\"Start\")));\n"
                "card->setCheckable(true);\n"
                "card->setChecked(true);\n")
    Q_CLASSINFO("example_image_card",
                "QPixmap picture(160, 90);\n"
                "picture.fill(Qt::darkCyan);\n"
                "auto *card = new Nalu::Components::CardWidget(QObject::tr(\"Viewer\"), parent);\n"
                "card->setContentsImage(picture);\n"
                "card->setHeaderRightWidget(new QLabel(QObject::tr(\"New\")));\n"
                "auto *menu = new QMenu(card);\n"
                "menu->addAction(QObject::tr(\"Open\"));\n"
                "card->setMenu(menu);\n")
    /** @brief The user can check the card; default false. */
    Q_PROPERTY(bool checkable READ isCheckable WRITE setCheckable NOTIFY checkableChanged)
    /** @brief The card is checked, which is only possible while checkable; default false. */
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY checkedChanged)

public:
    /** @brief Creates a card that is neither checkable nor checked. */
    explicit CardWidget(QWidget *parent);
    /** @brief Creates the card with @p title. */
    CardWidget(const QString &title, QWidget *parent);
    /** @brief Creates the card with @p title and @p subtitle. */
    CardWidget(const QString &title, const QString &subtitle, QWidget *parent);
    ~CardWidget() override;

    /** @brief Whether a left click checks and unchecks the card (the checkable property). */
    bool isCheckable() const;
    /** @brief Whether the card is checked (the checked property). */
    bool isChecked() const;

public Q_SLOTS:
    /**
     * @brief Lets a left click check and uncheck the card.
     * When it changes: switching it off first unchecks a checked card (emitting checkedChanged(false)), then the card
     * repaints and emits checkableChanged().
     */
    void setCheckable(bool checkable);
    /** @brief Checks or unchecks a checkable card: shows or hides the highlight and the check mark, repaints, then
     * emits checkedChanged(). Ignored while not checkable or when unchanged. */
    void setChecked(bool checked);

Q_SIGNALS:
    /** @brief Emitted by setCheckable() when the flag changed, last: after the checkedChanged(false) of a card that it
     * unchecked. */
    void checkableChanged(bool checkable);
    /** @brief Emitted by setChecked() when the state changed, last, with the new state; a left click on a checkable
     * card and setCheckable(false) go through setChecked(). */
    void checkedChanged(bool checked);

protected Q_SLOTS:
    /** @brief Places the check mark near the contents' bottom-right corner and the highlight over the whole card
     * (checkable cards only). */
    void updateCheckIndicatorPosition();

protected:
    /** @brief On polish, draws the check mark from the style's highlighted icon over a disc of the card's background
     * brush. */
    bool event(QEvent *event) override;
    /** @brief Keeps the check mark in place when a part of the card moves; then the frame's designer support. */
    bool eventFilter(QObject *watched, QEvent *event) override;
    /** @brief On a checkable card a left release toggles the checked state and other releases go on to the parent;
     * otherwise as QWidget. */
    void mouseReleaseEvent(QMouseEvent *event) override;
    /** @brief Keeps the check mark and the highlight in place. */
    void resizeEvent(QResizeEvent *event) override;
    void setContentsContainer(QWidget *widget) override;
    /** @brief Space toggles a checkable card that has the focus. */
    void keyPressEvent(QKeyEvent *event) override;
    /** @brief Puts the style's focus frame around the card. */
    void focusInEvent(QFocusEvent *event) override;
    /** @brief Takes the focus frame away. */
    void focusOutEvent(QFocusEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(CardWidget)
    std::unique_ptr<CardWidgetPrivate> const d;
};

} // namespace Components
} // namespace Nalu
