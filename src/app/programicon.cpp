// SPDX-License-Identifier: MIT
#include "app/programicon.h"

#include <QColor>
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

QByteArray programIconSvg()
{
    const QImage image = programIconImage();
    QByteArray svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                                    "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\">\n")
                         .arg(image.width())
                         .arg(image.height())
                         .toUtf8();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            int run = 1;
            while (x + run < image.width() && image.pixel(x + run, y) == colour)
                ++run;
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" fill=\"%4\"/>\n")
                       .arg(x)
                       .arg(y)
                       .arg(run)
                       .arg(QColor(colour).name())
                       .toUtf8();
            x += run;
        }
    }
    return svg + "</svg>\n";
}
