// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>

#include <optional>

// Where the pairs window goes: where the user left it, as far as the screens still show it, or else beside
// the main window. Rectangles are frames (the window with its title bar and borders), in desktop pixels.
namespace pairsplacement {

// The saved place: the frame's left and top, then the inside's width and height, "812 40 420 547".
QString savedText(QPoint frameTopLeft, QSize inside);
// The frame of a saved place whose width and height are at least minimum; nothing for another text.
std::optional<QRect> readSaved(QStringView text, QMargins frame, QSize minimum);

// The saved frame moved, and made smaller only as far as it must, onto the screen that shows most of it;
// with none saved, or none of it on a screen, a frame of size beside the main window's frame (right of it,
// else left, else over it), on the main window's screen. screens are the available areas.
QRect place(const std::optional<QRect> &saved, QRect mainFrame, QSize size, const QList<QRect> &screens);

} // namespace pairsplacement
