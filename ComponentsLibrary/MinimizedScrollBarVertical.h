// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/MinimizedScrollBar.h>

namespace Nalu {
namespace Components {

/**
 * @brief A vertical scroll bar that is thin until the pointer rests on it and shrinks back a second after the pointer
 * left; see MinimizedScrollBar.
 *
 * A MinimizedScrollBar whose orientation is fixed to Qt::Vertical.
 */
class COMPONENTSLIBRARY_EXPORT MinimizedScrollBarVertical : public MinimizedScrollBar
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A vertical scroll bar that is thin until the pointer rests on it and shrinks back a second after "
                "the pointer left; see MinimizedScrollBar.")

public:
    /** @brief Creates a thin, not transient bar with the orientation Qt::Vertical. */
    explicit MinimizedScrollBarVertical(QWidget *parent = nullptr);
    ~MinimizedScrollBarVertical() override;

private:
    Q_DISABLE_COPY(MinimizedScrollBarVertical)
};

} // namespace Components
} // namespace Nalu
