// SPDX-License-Identifier: MIT

#include <vantor_common_models/ColormapInterface.h>

namespace Nalu {
namespace Models {

// Out of line so the vtable and type info live in this library only.
ColormapInterface::~ColormapInterface() = default;

} // namespace Models
} // namespace Nalu
