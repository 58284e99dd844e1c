// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRect>
#include <QRectF>

class QWidget;

// Where a viewer goes beside a main window: flush against its right edge, with its top and height.
struct ViewerPlacement
{
    qreal mainLeft; // the main window's new left edge (it moves left when the pair would not fit)
    QRectF viewer;  // the viewer's outer rectangle
};

// The viewer's outer width beside the main window: 5200 twips.
inline constexpr int kViewerWidth = 347;

// Places a viewer of kViewerWidth beside mainFrame within screenArea (the screen less its panels). When
// the pair does not fit, the main window moves left, but never past the area's left edge. On an area too
// narrow for both, the viewer is narrowed to the room left beside the main window when that room is at
// least minimumWidth; else it goes, at its own width or at minimumWidth, where it hides the least of the
// first of pictures (rectangles relative to the main window's outer top left), then of the others.
ViewerPlacement placeBeside(const QRectF &mainFrame, const QRectF &screenArea,
                            qreal minimumWidth = kViewerWidth, const QList<QRectF> &pictures = {});

// Restores a minimised viewer, then, unless it is maximised, moves it (and the main window when needed)
// as placeBeside says, for the main window's pictures (rectangles relative to its inside). Rectangles
// are the windows' outer ones, frames included, as exactly as the window system tells them.
void placeViewerBeside(QWidget &mainWindow, QWidget &viewer, const QRect &screenArea,
                       const QList<QRectF> &pictures = {});
