// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

// The program's 32 x 32 icon artwork: a small colour plane with a pick marker. Needs no application
// object, so the build can write it out as the installed icon file.
QImage programIconImage();

// The same artwork as the window icon.
QIcon programIcon();

// The same artwork as a scalable (SVG) image: one square a pixel, runs of a colour in a row joined, edges
// kept sharp at every size.
QByteArray programIconSvg();
