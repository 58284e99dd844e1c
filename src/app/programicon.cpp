// SPDX-License-Identifier: MIT
#include "app/programicon.h"

#include <QPixmap>

QImage programIconImage()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < 32; ++x)
            line[x] = qRgb(y * 8 + 4, 128, x * 8 + 4);
    }
    for (int i = 0; i < 32; ++i) {
        for (int edge : {0, 31}) {
            image.setPixel(i, edge, qRgb(40, 40, 40));
            image.setPixel(edge, i, qRgb(40, 40, 40));
        }
    }
    for (int i = 17; i <= 25; ++i) {
        for (int edge : {17, 25}) {
            image.setPixel(i, edge, qRgb(255, 255, 255));
            image.setPixel(edge, i, qRgb(255, 255, 255));
        }
    }
    return image;
}

QIcon programIcon()
{
    return QIcon(QPixmap::fromImage(programIconImage()));
}
