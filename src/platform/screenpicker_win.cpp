// SPDX-License-Identifier: MIT
// Screen picking on Windows: the pointer grab reads the desktop through Qt's screen grab.
#include "platform/devicepixels.h"
#include "platform/screenpicker.h"
#include "platform/screenpicker_native.h"

#include <QWidget>
#include <QWindow>

#include <windows.h>

namespace platform {

std::optional<QPoint> devicePointerPosition()
{
    // The program is aware of each monitor's scale, so these are physical pixels: Qt's device pixels, on
    // every screen (Qt keeps each screen's top left in them).
    POINT position;
    if (!GetCursorPos(&position))
        return std::nullopt;
    return QPoint(position.x, position.y);
}

bool grabPointerAndKeyboard(QWidget &window)
{
    QWindow *handle = window.windowHandle();
    if (!handle || !handle->setMouseGrabEnabled(true))
        return false;
    if (!handle->setKeyboardGrabEnabled(true)) {
        handle->setMouseGrabEnabled(false);
        return false;
    }
    return true;
}

void releasePointerAndKeyboard(QWidget &window)
{
    if (QWindow *handle = window.windowHandle()) {
        handle->setMouseGrabEnabled(false);
        handle->setKeyboardGrabEnabled(false);
    }
}

void forwardWheelButtons(QWidget &, std::function<void(int)>)
{
    // Windows sends every wheel step as a wheel event.
}

void warpPointer(const QPoint &device)
{
    // The program is aware of each monitor's scale, so these are the physical pixels Qt's device pixels are.
    SetCursorPos(device.x(), device.y());
}

QImage deviceScreenArea(const QRect &device)
{
    return grabDevicePixels(device);
}

std::unique_ptr<ScreenPicker> createScreenPicker()
{
    return createGrabScreenPicker();
}

} // namespace platform
