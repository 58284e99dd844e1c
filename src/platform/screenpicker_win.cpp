// SPDX-License-Identifier: MIT
// Screen picking on Windows: the pointer grab reads the desktop directly.
#include "platform/screenpicker.h"
#include "platform/screenpicker_native.h"

namespace platform {

std::optional<QPoint> devicePointerPosition()
{
    return std::nullopt;
}

std::unique_ptr<ScreenPicker> createScreenPicker()
{
    return createGrabScreenPicker();
}

} // namespace platform
