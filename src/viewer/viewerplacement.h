// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

class QWidget;

// Where a viewer goes beside a main window: flush against its right edge, with its top and height.
struct ViewerPlacement
{
    int mainLeft; // the main window's new left edge (it moves left when the pair would not fit)
    QRect viewer; // the viewer's outer rectangle
};

// The viewer's outer width beside the main window: 5200 twips.
inline constexpr int kViewerWidth = 347;

// Places a viewer of kViewerWidth beside mainFrame within screenArea (the screen less its panels). When
// the pair does not fit, the main window moves left, but never past the area's left edge; the viewer then
// goes as far right as the area allows.
ViewerPlacement placeBeside(const QRect &mainFrame, const QRect &screenArea);

// Restores a minimised viewer, then, unless it is maximised, moves it (and the main window when needed)
// as placeBeside says. Rectangles are the windows' outer ones, frames included.
void placeViewerBeside(QWidget &mainWindow, QWidget &viewer, const QRect &screenArea);

// Gives window the outer rectangle frame; a frame of no size moves it only. A window manager frames a
// window only once it is on screen, so until then its frame is taken to be like model's, and it is put
// right once its own frame is known.
void placeFrame(QWidget &window, const QRect &frame, const QWidget &model);
