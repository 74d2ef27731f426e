// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/CardWidgetBase.h>

namespace Nalu {
namespace Components {

class CardWidgetPrivate;

/**
 * @brief A card frame that the user can check with a left click; while checked it shows a highlight and a check mark.
 *
 * The highlight is a rubber band over the whole card (drawn by the style); the 32 x 32 check indicator sits over the
 * bottom-right corner of the contents. Its disc is filled with the theme property "BackgroundBrush"
 * ("BackgroundBrushDisabled" while disabled) and the mark is the style's SP_CustomBase icon for the
 * "highlightedIcon" name "status.checked.circular.colored". A checkable card also takes the keyboard focus (Tab or a
 * click), shows the style's focus frame around itself and toggles on Space while it has the focus.
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
    explicit CardWidget(QWidget *parent);
    CardWidget(const QString &title, QWidget *parent);
    CardWidget(const QString &title, const QString &subtitle, QWidget *parent);
    ~CardWidget() override;

    bool isCheckable() const;
    bool isChecked() const;

public Q_SLOTS:
    void setCheckable(bool checkable);
    void setChecked(bool checked);

Q_SIGNALS:
    void checkableChanged(bool checkable);
    void checkedChanged(bool checked);

protected Q_SLOTS:
    void updateCheckIndicatorPosition();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void setContentsContainer(QWidget *widget) override;
    /** @brief Space toggles a checkable card that has the focus. */
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(CardWidget)
    std::unique_ptr<CardWidgetPrivate> const d;
};

} // namespace Components
} // namespace Nalu
