// SPDX-License-Identifier: MIT
// Screen picking on Windows: the pointer grab reads the desktop through Qt's screen grab.
#include "screenpick/devicepixels.h"
#include "screenpick/screenpicker.h"
#include "screenpick/screenpicker_native.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <windows.h>

namespace platform {

namespace {

// Windows captures the mouse for a window only while the pointer is over the program's own windows, or a
// button was pressed there: a click on another program would go to that program and leave the pick
// running. While a pick holds the grab, a low-level hook takes the clicks anywhere on the desktop and
// hands them to the grabbing window instead.
HHOOK mouseHook = nullptr;
QPointer<QWidget> grabbingWindow;

Qt::MouseButton buttonOf(WPARAM message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return Qt::LeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return Qt::RightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return Qt::MiddleButton;
    default:
        return Qt::NoButton;
    }
}

LRESULT CALLBACK takeClicks(int code, WPARAM message, LPARAM data)
{
    const Qt::MouseButton button = buttonOf(message);
    if (code != HC_ACTION || button == Qt::NoButton || !grabbingWindow)
        return CallNextHookEx(mouseHook, code, message, data);
    // The program's own windows get the click through Qt's grab already.
    const POINT at = reinterpret_cast<const MSLLHOOKSTRUCT *>(data)->pt;
    DWORD process = 0;
    GetWindowThreadProcessId(WindowFromPoint(at), &process);
    if (process == GetCurrentProcessId())
        return CallNextHookEx(mouseHook, code, message, data);
    // The press too: a pick of an area takes its first corner there.
    const bool released = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    const QPointF global = QCursor::pos();
    QCoreApplication::postEvent(
        grabbingWindow, new QMouseEvent(released ? QEvent::MouseButtonRelease : QEvent::MouseButtonPress,
                                        grabbingWindow->mapFromGlobal(global), global, button,
                                        released ? Qt::NoButton : button, Qt::NoModifier));
    return 1; // neither the press nor the release reaches the program under the pointer
}

} // namespace

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
    grabbingWindow = &window;
    if (!mouseHook)
        mouseHook = SetWindowsHookExW(WH_MOUSE_LL, takeClicks, GetModuleHandleW(nullptr), 0);
    return true;
}

void releasePointerAndKeyboard(QWidget &window)
{
    if (grabbingWindow == &window) {
        grabbingWindow = nullptr;
        if (mouseHook)
            UnhookWindowsHookEx(mouseHook);
        mouseHook = nullptr;
    }
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
