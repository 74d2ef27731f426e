// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonBase.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QPushButton>

namespace Nalu {
namespace Components {

/**
 * @brief A QPushButton carrying the four appearance flags as Qt properties.
 *
 * The button paints and behaves exactly as QPushButton; the flags only
 * exist for the style sheet to select on (for example
 * `Nalu--Components--PushButton[outline="true"]`). Changing a flag repaints the button but does
 * not re-polish it.
 */
class COMPONENTSLIBRARY_EXPORT PushButton : public QPushButton, public ButtonBase
{
    Q_OBJECT
    /** @brief Rendered as an outline; default false. */
    Q_PROPERTY(bool outline READ isOutline WRITE setOutline NOTIFY outlineChanged)
    /** @brief Looks highlighted when checked; default false. */
    Q_PROPERTY(bool highlighted READ isHighlighted WRITE setHighlighted NOTIFY highlightedChanged)
    /** @brief Circular border, for square buttons; default false. */
    Q_PROPERTY(bool circular READ isCircular WRITE setCircular NOTIFY circularChanged)
    /** @brief Drawn without a frame; default false. */
    Q_PROPERTY(bool frameless READ isFrameless WRITE setFrameless NOTIFY framelessChanged)

public:
    /** @brief Creates a button without text, with the given appearance flags. */
    explicit PushButton(QWidget *parent = nullptr, bool outline = false, bool highlighted = false,
                        bool circular = false, bool frameless = false);
    /** @brief Creates a button showing @p text, with the given appearance flags. */
    PushButton(const QString &text, QWidget *parent, bool outline, bool highlighted, bool circular, bool frameless);
    /** @brief Creates a button showing @p icon and @p text, with the given appearance flags. */
    PushButton(const QIcon &icon, const QString &text, QWidget *parent, bool outline, bool highlighted, bool circular,
               bool frameless);
    ~PushButton() override;

public Q_SLOTS:
    /** @brief Sets the outline flag; when it changes, repaints, then emits outlineChanged(). */
    void setOutline(bool outline);
    /** @brief Sets the highlighted flag; when it changes, repaints, then emits highlightedChanged(). */
    void setHighlighted(bool highlighted);
    /** @brief Sets the circular flag; when it changes, repaints, then emits circularChanged(). */
    void setCircular(bool circular);
    /** @brief Sets the frameless flag; when it changes, repaints, then emits framelessChanged(). */
    void setFrameless(bool frameless);

Q_SIGNALS:
    /** @brief Emitted by setOutline() when the flag changed, after the repaint was scheduled, with the new value. */
    void outlineChanged(bool outline);
    /** @brief Emitted by setHighlighted() when the flag changed, after the repaint was scheduled, with the new value.
     */
    void highlightedChanged(bool highlighted);
    /** @brief Emitted by setCircular() when the flag changed, after the repaint was scheduled, with the new value. */
    void circularChanged(bool circular);
    /** @brief Emitted by setFrameless() when the flag changed, after the repaint was scheduled, with the new value. */
    void framelessChanged(bool frameless);

private:
    Q_DISABLE_COPY(PushButton)
};

} // namespace Components
} // namespace Nalu
