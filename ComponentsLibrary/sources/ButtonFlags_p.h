// SPDX-License-Identifier: MIT

#pragma once

// Internal: the one setter behaviour shared by the flag-carrying buttons.

namespace Nalu {
namespace Components {
namespace Internal {

// Stores a flag and, only when it changed, repaints and notifies (in that
// order). The style sheet is not re-evaluated: callers that need a new
// polish do it themselves.
template<typename Button>
void assignButtonFlag(Button *button, bool &flag, bool value, void (Button::*changed)(bool))
{
    if (flag == value) {
        return;
    }
    flag = value;
    button->update();
    Q_EMIT(button->*changed)(value);
}

} // namespace Internal
} // namespace Components
} // namespace Nalu
