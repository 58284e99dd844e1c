// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QMarginsF>
#include <QRectF>

class QWidget;

// The outer frames of our windows, which the window manager draws: what every secondary window is placed by.
namespace windowframe {

// The widths of a window's frame in whole logical pixels, as Qt has them (its outer rectangle less the
// inner one); a secondary window gets the same frame as the main window from the window manager.
QMargins margins(const QWidget &window);
// The widths of a window's frame as exactly as the window system tells them.
QMarginsF exactMargins(const QWidget &window);
// A window's outer rectangle, frame included, as exactly as the window system tells it.
QRectF exactFrame(const QWidget &window);

// Gives window the outer rectangle frame; a frame of no size moves it only. A window manager frames a
// window only once it is on screen, so until then its frame is taken to be like model's, and it is put
// right once its own frame is known.
void placeFrame(QWidget &window, const QRectF &frame, const QWidget &model);

} // namespace windowframe
