// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/MinimizedScrollBar.h>

namespace Nalu {
namespace Components {

/**
 * @brief A horizontal scroll bar that is thin until the pointer rests on it and shrinks back a second after the
 * pointer left; see MinimizedScrollBar.
 *
 * A MinimizedScrollBar whose orientation is fixed to Qt::Horizontal.
 */
class COMPONENTSLIBRARY_EXPORT MinimizedScrollBarHorizontal : public MinimizedScrollBar
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A horizontal scroll bar that is thin until the pointer rests on it and shrinks back a second after "
                "the pointer left; see MinimizedScrollBar.")

public:
    /** @brief Creates a thin, not transient bar with the orientation Qt::Horizontal. */
    explicit MinimizedScrollBarHorizontal(QWidget *parent = nullptr);
    ~MinimizedScrollBarHorizontal() override;

private:
    Q_DISABLE_COPY(MinimizedScrollBarHorizontal)
};

} // namespace Components
} // namespace Nalu
