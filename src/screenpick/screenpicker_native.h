// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace platform {

// The pointer's position on the desktop in device pixels, asked of the window system; nothing where only
// Qt's logical position is known (Qt's mouse positions are whole logical pixels, too coarse at a scale
// factor above 1).
std::optional<QPoint> devicePointerPosition();

// Takes the pointer and the keyboard for window, as the window system itself answers (Qt reports an X
// pointer grab as taken when the server refused it); false, with neither held, when either was refused.
bool grabPointerAndKeyboard(QWidget &window);
// Gives back both grabs of window; nothing when it holds none.
void releasePointerAndKeyboard(QWidget &window);

// Tells turned of each step of the mouse wheel that reaches window and that Qt drops (the wheel buttons of
// devices that do not scroll smoothly, synthetic input among them): +1 away from the user, -1 towards;
// an empty turned stops it.
void forwardWheelButtons(QWidget &window, std::function<void(int)> turned);

// Moves the pointer to a device pixel of the desktop.
void warpPointer(const QPoint &device);

// The screen's pixels in a rectangle of device pixels, as ScreenPicker::screenArea promises.
QImage deviceScreenArea(const QRect &device);

} // namespace platform
