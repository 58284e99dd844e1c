// SPDX-License-Identifier: MIT
#include "screenpick/loupepicture.h"

#include "color/colors.h"
#include "contrast/contrast.h"
#include "screenpick/sample.h"

#include <algorithm>

namespace loupe {

QRgb outlineColor(QRgb color)
{
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    return contrast::contrastRatio(color, black) >= contrast::contrastRatio(color, white) ? black : white;
}

QImage picture(const QImage &area, int magnification, int sampleSize)
{
    const int side = 2 * kFrame;
    QImage image(area.width() * magnification + side, area.height() * magnification + side,
                 QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    const QImage source = area.format() == QImage::Format_ARGB32 || area.format() == QImage::Format_RGB32
                              ? area
                              : area.convertToFormat(QImage::Format_ARGB32);
    // One magnified row is written pixel by pixel and copied to the other rows of its squares.
    for (int y = 0; y < source.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        const int top = kFrame + y * magnification;
        for (int row = 0; row < magnification; ++row) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(top + row)) + kFrame;
            for (int x = 0; x < source.width(); ++x) {
                QRgb *square = line + x * magnification;
                if (qAlpha(from[x]) == 0) {
                    for (int i = 0; i < magnification; ++i)
                        square[i] = ((x * magnification + i) / 4 + (row / 4)) % 2 ? 0xFFC0C0C0u : 0xFFFFFFFFu;
                } else {
                    std::fill(square, square + magnification, from[x] | 0xFF000000u);
                }
            }
        }
    }
    const QPoint centre(source.width() / 2, source.height() / 2);
    if (!source.rect().contains(centre))
        return image;
    const QRect sampled = sample::squareAround(centre, sampleSize) & source.rect();
    const QRgb outline = outlineColor(sample::mean(source, sampled));
    const int width = std::max(1, magnification / 8);
    const QRect square(kFrame + sampled.left() * magnification, kFrame + sampled.top() * magnification,
                       sampled.width() * magnification, sampled.height() * magnification);
    for (int y = square.top(); y <= square.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const bool edgeRow = y < square.top() + width || y > square.bottom() - width;
        for (int x = square.left(); x <= square.right(); ++x) {
            if (edgeRow || x < square.left() + width || x > square.right() - width)
                line[x] = outline;
        }
    }
    return image;
}

QString caption(QRgb color, QRgb other, int sampleSize)
{
    return Colors::ColorValueHex(qint16(qRed(color)), qint16(qGreen(color)), qint16(qBlue(color))) +
           QStringLiteral("  ") + contrast::ratioFigure(contrast::contrastRatio(color, other)) +
           QStringLiteral(":1") + (sampleSize > 1 ? QStringLiteral("  (%1x%1)").arg(sampleSize) : QString());
}

} // namespace loupe
