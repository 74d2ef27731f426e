// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QColor>
#include <QPushButton>

#include <memory>

class QStyleOptionButton;

namespace Nalu {
namespace Components {

class ColorButtonPrivate;

/**
 * @brief A button showing a colour as a rounded swatch; a click lets the user choose another colour with a colour
 * dialog.
 *
 * A push button showing a colour as a rounded swatch and choosing another one with a QColorDialog.
 *
 * Translucent colours are drawn over a chessboard. The dialog is either modal, embedded in a menu dropping from the
 * button (live update), or a non-modal tool window. Style sheet selector: ColorButtonWidget_Container=true, set in the
 * constructor. Theme property read while painting: "CornerRadius" (int, radius of the swatch).
 */
class COMPONENTSLIBRARY_EXPORT ColorButton : public QPushButton
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A button showing a colour as a rounded swatch; a click lets the user choose another colour with a "
                "colour dialog. Translucent colours are drawn over a chessboard. colorDialogMode selects a modal "
                "dialog (Dialog), a menu dropping from the button that changes the colour live (Popup) or a "
                "non-modal tool window (Tool). The swatch corner radius comes from the CornerRadius property.")
    /** @brief The colour shown and chosen; default Qt::transparent. */
    Q_PROPERTY(QColor color READ getColor WRITE setColor NOTIFY colorChanged)
    /** @brief Whether the dialogs offer the alpha channel; default true. */
    Q_PROPERTY(bool alphaChannelEnabled READ isAlphaChannelEnabled WRITE setAlphaChannelEnabled)
    /** @brief Whether a translucent colour is drawn over a chessboard (else opaque); default true. */
    Q_PROPERTY(bool alphaChannelChessboardDrawn READ isAlphaChannelChessboardDrawn WRITE setDrawAlphaChannelChessboard)
    /** @brief How the colour dialog is shown; default Dialog. */
    Q_PROPERTY(ColorDialogMode colorDialogMode READ getColorDialogMode WRITE setColorDialogMode)

public:
    /** @brief How a colour button shows its QColorDialog. */
    enum ColorDialogMode {
        Dialog = 0, ///< a click opens a modal dialog; an accepted colour is applied
        Popup = 1, ///< the button's menu embeds a dialog; every current colour is applied at once
        Tool = 2, ///< a click opens a non-modal tool window; an accepted colour is applied
    };
    Q_ENUM(ColorDialogMode)

    /** @brief Creates the button showing Qt::transparent. */
    explicit ColorButton(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p color. */
    explicit ColorButton(const QColor &color, QWidget *parent = nullptr);
    ~ColorButton() override;

    /** @brief The colour shown (the color property). */
    const QColor &getColor() const;
    /** @brief Whether the dialogs offer the alpha channel (the alphaChannelEnabled property). */
    bool isAlphaChannelEnabled() const;
    /** @brief Sets whether the dialogs offer the alpha channel; the embedded dialog of Popup mode follows at once. */
    void setAlphaChannelEnabled(bool enabled);
    /** @brief Whether a translucent colour is drawn over a chessboard (the alphaChannelChessboardDrawn property). */
    bool isAlphaChannelChessboardDrawn() const;
    /** @brief Sets whether a translucent colour is drawn over a chessboard; repaints when it changes. */
    void setDrawAlphaChannelChessboard(bool drawn);
    /**
     * @brief Same as setDrawAlphaChannelChessboard(): the setter name that code generated from Designer forms (uic)
     * calls for the alphaChannelChessboardDrawn property.
     */
    void setAlphaChannelChessboardDrawn(bool drawn) { setDrawAlphaChannelChessboard(drawn); }
    /** @brief How the colour dialog is shown (the colorDialogMode property). */
    ColorDialogMode getColorDialogMode() const;

    /** @brief The size of the style's push-button contents rectangle for an empty button. */
    QSize sizeHint() const override;
    /** @brief Same as sizeHint(). */
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /** @brief Shows @p color; an invalid colour is kept but not painted. */
    void setColor(const QColor &color);
    /** @brief Switches the dialog mode; leaving Popup detaches the menu (it stays a child of the button). */
    void setColorDialogMode(ColorDialogMode mode);

Q_SIGNALS:
    /**
     * @brief Emitted by setColor() when the colour changed, after the repaint was scheduled, with the new colour.
     * A colour accepted in a dialog, or, in Popup mode, every current colour of the embedded dialog, goes through
     * setColor().
     */
    void colorChanged(const QColor &newColor);

protected:
    /** @brief Fills @p option for the bevel: no text, no icon, no features. */
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) // Qt 6 made QPushButton::initStyleOption() virtual
    void initStyleOption(QStyleOptionButton *option) const override;
#else
    void initStyleOption(QStyleOptionButton *option) const;
#endif
    /** @brief Paints the bevel, then the rounded swatch (a translucent colour over a chessboard while
     * alphaChannelChessboardDrawn is set). */
    void paintEvent(QPaintEvent *event) override;

private Q_SLOTS:
    void onClicked();

private:
    Q_DISABLE_COPY(ColorButton)
    std::unique_ptr<ColorButtonPrivate> const d;
};

} // namespace Components
} // namespace Nalu
