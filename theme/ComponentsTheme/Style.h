// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsTheme/ComponentsThemeExport.h>
#include <ComponentsTheme/Theme.h>

#include <QProxyStyle>

#include <memory>

namespace Nalu {
namespace Theme {

class StylePrivate;

/**
 * @brief The theme's style: gives the components their theme properties and highlighted icons.
 *
 * On polish it sets, from the variant's named colours, the dynamic theme
 * properties the self-painting components read ("CornerRadius", the brushes
 * and their "…Disabled" forms, the card titles' fonts), keyed by the widget's
 * class or selector property, and removes them again on unpolish. It answers
 * QStyle::SP_CustomBase with the highlighted drawing of the icon named in the
 * widget's "highlightedIcon" property (an empty icon when there is none),
 * draws the highlight of checked cards, gives stretched tab bars the whole
 * width of their tab widget, lets the groove and handles of colormap range
 * sliders without tick marks span the slider's height, and defers everything
 * else to the base style.
 *
 * Style sheets match property selectors when a widget is polished; so that
 * rules on the components' Qt properties (outline, checked, expanded,
 * errorState …) follow changes made at run time, the style re-polishes a
 * component whenever one of those properties notifies a change.
 */
class COMPONENTSTHEME_EXPORT Style : public QProxyStyle
{
    Q_OBJECT

public:
    /** @brief A style for @p variant over @p baseStyle (taking ownership), over Fusion when it is null. */
    explicit Style(Variant variant, QStyle *baseStyle = nullptr);
    ~Style() override;

    /** @brief The variant whose colours the style hands out; fixed at construction. */
    Variant variant() const;

    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    /** @brief Polishes as the base style, then sets the widget's theme properties; on a component, re-polishing is
     * connected to the notify signals of the Qt properties the style sheet selects on. */
    void polish(QWidget *widget) override;
    /** @brief Removes the theme properties that polish() set and those connections, then unpolishes as the base style.
     */
    void unpolish(QWidget *widget) override;
    /** @brief The palette of the style's variant. */
    QPalette standardPalette() const override;
    /** @brief For SP_CustomBase, the highlighted drawing of the icon named in the widget's "highlightedIcon" (empty
     * without a widget or a name); the base style's icons otherwise, with lightened glyphs in the dark variant. */
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    /** @brief Draws the highlight of a checked card as an accent ring; everything else as the base style. */
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    /** @brief No rubber-band mask for the highlight of a checked card (its check mark must show); the base style's
     * answer otherwise. */
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    /** @brief Gives the tab bar of a stretched tab widget the whole side beside the corner widgets; the base style's
     * rectangles otherwise. */
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override;
    /** @brief Lets the groove and handles of a horizontal colormap range slider without tick marks span the slider's
     * height; the base style's rectangles otherwise. */
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget = nullptr) const override;

private Q_SLOTS:
    void repolishSender();

private:
    std::unique_ptr<StylePrivate> const d;

    Q_DISABLE_COPY(Style)
};

} // namespace Theme
} // namespace Nalu
