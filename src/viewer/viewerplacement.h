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

// Places a viewer of kViewerWidth beside mainFrame on a screen whose right edge is at screenWidth.
ViewerPlacement placeBeside(const QRect &mainFrame, int screenWidth);

// Restores a minimised viewer, then, unless it is maximised, moves it (and the main window when needed)
// as placeBeside says. Rectangles are the windows' outer ones, frames included.
void placeViewerBeside(QWidget &mainWindow, QWidget &viewer, int screenWidth);
