// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <array>

// What a pick takes from the screen: one pixel, or the mean of a square around it, for anti-aliased text,
// dithering and photographs, where one pixel is noise.
namespace sample {

// The sides of the squares, chosen with the keys 1, 3 and 5.
inline constexpr std::array<int, 3> kSizes{1, 3, 5};
// The side a key chooses (Qt::Key_1, Qt::Key_3, Qt::Key_5); 0 for any other key.
int sizeOfKey(int key);

// The square of size pixels centred on the device pixel centre.
inline QRect squareAround(const QPoint &centre, int size)
{
    return QRect(centre - QPoint(size / 2, size / 2), QSize(size, size));
}

// Each channel's mean over the pixels of image inside square that lie on a screen (alpha above 0), rounded
// to the nearest level with a half going up; black when none does.
QRgb mean(const QImage &image, const QRect &square);

} // namespace sample
