// SPDX-License-Identifier: MIT
// A program started from a terminal writes to it already.
#include "platform/console.h"

namespace platform {

void useParentConsole() {}

} // namespace platform
