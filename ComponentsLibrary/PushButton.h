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
    explicit PushButton(QWidget *parent = nullptr, bool outline = false, bool highlighted = false,
                        bool circular = false, bool frameless = false);
    PushButton(const QString &text, QWidget *parent, bool outline, bool highlighted, bool circular, bool frameless);
    PushButton(const QIcon &icon, const QString &text, QWidget *parent, bool outline, bool highlighted, bool circular,
               bool frameless);
    ~PushButton() override;

public Q_SLOTS:
    void setOutline(bool outline);
    void setHighlighted(bool highlighted);
    void setCircular(bool circular);
    void setFrameless(bool frameless);

Q_SIGNALS:
    void outlineChanged(bool outline);
    void highlightedChanged(bool highlighted);
    void circularChanged(bool circular);
    void framelessChanged(bool frameless);

private:
    Q_DISABLE_COPY(PushButton)
};

} // namespace Components
} // namespace Nalu
