// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ButtonBase.h>
#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QToolButton>

namespace Nalu {
namespace Components {

/**
 * @brief A QToolButton carrying the four appearance flags as Qt properties.
 *
 * The button paints and behaves exactly as QToolButton; the flags only
 * exist for the style sheet to select on (for example
 * `Nalu--Components--ToolButton[outline="true"]`). Changing a flag repaints the button but does
 * not re-polish it.
 */
class COMPONENTSLIBRARY_EXPORT ToolButton : public QToolButton, public ButtonBase
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
    explicit ToolButton(QWidget *parent = nullptr, bool outline = false, bool highlighted = false,
                        bool circular = false, bool frameless = false);
    ~ToolButton() override;

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
    Q_DISABLE_COPY(ToolButton)
};

} // namespace Components
} // namespace Nalu
