// SPDX-License-Identifier: MIT
#include "screenpick/sample.h"

namespace sample {

int sizeOfKey(int key)
{
    switch (key) {
    case Qt::Key_1:
        return 1;
    case Qt::Key_3:
        return 3;
    case Qt::Key_5:
        return 5;
    default:
        return 0;
    }
}

QRgb mean(const QImage &image, const QRect &square)
{
    const QRect inside = square & image.rect();
    qint64 sums[3] = {};
    qint64 count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            sums[0] += qRed(p);
            sums[1] += qGreen(p);
            sums[2] += qBlue(p);
            ++count;
        }
    }
    if (count == 0)
        return qRgb(0, 0, 0);
    const auto rounded = [count](qint64 sum) { return int((2 * sum + count) / (2 * count)); };
    return qRgb(rounded(sums[0]), rounded(sums[1]), rounded(sums[2]));
}

} // namespace sample
