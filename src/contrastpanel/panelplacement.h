// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the contrast panel goes when it opens. Below the window's designed area, the window growing by the
// panel and moving up as far as it must to stay inside the screen's available area; where the grown
// window cannot fit at all, the panel is a window of its own, below the main window if there is room,
// else at the bottom of the area, kept inside it.
struct PanelPlacement
{
    bool separate = false;
    // Attached: the main window's outer top-left corner, frame included.
    QPoint windowFrame;
    // Separate: the panel window's outer rectangle, frame included.
    QRect panelFrame;
};

// frame is the main window's outer rectangle now, margins its frame's widths (the outer rectangle minus
// the inner one), designed its inner size without the panel.
PanelPlacement placeContrastPanel(const QRect &frame, const QMargins &margins, const QRect &available,
                                  QSize designed, QSize panel);
