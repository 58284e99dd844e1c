// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QSize>

namespace platform {

// How a window system lays out the pixels of an image it sends: where each channel's bits are, how many
// bits a pixel takes, in which byte order, and to how many bits each row is padded.
struct PixelLayout
{
    quint32 redMask = 0xFF0000;
    quint32 greenMask = 0x00FF00;
    quint32 blueMask = 0x0000FF;
    int bitsPerPixel = 32; // 8, 16, 24 or 32
    int scanlinePad = 32;
    bool mostSignificantByteFirst = false;
};

// One pixel as an opaque colour, each channel brought from its bits to 8 and rounded to the nearest
// level (the 10-bit 3 is 1, where cutting the low bits would give 0).
QRgb colorOfPixel(quint32 pixel, const PixelLayout &layout);

// Writes the pixels of rows sent in layout, size.width() by size.height() of them, into image (of a 32-bit
// format) from the point at, clipped to the image; false, writing nothing, when data holds fewer rows.
bool writePixels(const uchar *data, qsizetype length, QSize size, const PixelLayout &layout, QImage &image,
                 QPoint at);

} // namespace platform
