// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

namespace Nalu {
namespace Components {

/**
 * @brief The four appearance flags shared by the library's styled buttons.
 *
 * A plain holder, used only as the second base of PushButton and ToolButton:
 * the style sheet selects on the flags through those classes' Qt properties.
 * It has no setters; the button classes own them because only they can
 * repaint and notify.
 */
class COMPONENTSLIBRARY_EXPORT ButtonBase
{
public:
    /** @brief Stores the four flags as given. */
    ButtonBase(bool outline, bool highlighted, bool circular, bool frameless);
    /** @brief Copies the four flags. */
    ButtonBase(const ButtonBase &other) = default;
    /** @brief Copies the four flags. */
    ButtonBase(ButtonBase &&other) = default;
    /** @brief Copies the four flags. */
    ButtonBase &operator=(const ButtonBase &other) = default;
    /** @brief Copies the four flags. */
    ButtonBase &operator=(ButtonBase &&other) = default;
    ~ButtonBase() = default;

    /** @brief Whether the button renders as an outline; default false. */
    bool isOutline() const { return m_outline; }
    /** @brief Whether the button looks highlighted when checked; default false. */
    bool isHighlighted() const { return m_highlighted; }
    /** @brief Whether the button's border is a circle (give it a square size); default false. */
    bool isCircular() const { return m_circular; }
    /** @brief Whether the button is drawn without a frame; default false. */
    bool isFrameless() const { return m_frameless; }

protected:
    /** @brief The outline flag; the button classes' setOutline() changes it. */
    bool m_outline;
    /** @brief The highlighted flag; the button classes' setHighlighted() changes it. */
    bool m_highlighted;
    /** @brief The circular flag; the button classes' setCircular() changes it. */
    bool m_circular;
    /** @brief The frameless flag; the button classes' setFrameless() changes it. */
    bool m_frameless;
};

} // namespace Components
} // namespace Nalu
