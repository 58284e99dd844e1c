// SPDX-License-Identifier: MIT
#include "screenpick/pixelformat.h"

#include <bit>

namespace platform {

namespace {

int level(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const quint64 value = (pixel & mask) >> std::countr_zero(mask);
    const quint64 top = (quint64(1) << std::popcount(mask)) - 1;
    return int((2 * 255 * value + top) / (2 * top));
}

quint32 readPixel(const uchar *bytes, int count, bool mostSignificantFirst)
{
    quint32 pixel = 0;
    for (int i = 0; i < count; ++i)
        pixel |= quint32(bytes[i]) << (8 * (mostSignificantFirst ? count - 1 - i : i));
    return pixel;
}

} // namespace

QRgb colorOfPixel(quint32 pixel, const PixelLayout &layout)
{
    return qRgb(level(pixel, layout.redMask), level(pixel, layout.greenMask), level(pixel, layout.blueMask));
}

bool writePixels(const uchar *data, qsizetype length, QSize size, const PixelLayout &layout, QImage &image,
                 QPoint at)
{
    const int bytesPerPixel = layout.bitsPerPixel / 8;
    const int pad = qMax(8, layout.scanlinePad);
    const qsizetype stride = (qsizetype(size.width()) * layout.bitsPerPixel + pad - 1) / pad * pad / 8;
    if (bytesPerPixel < 1 || bytesPerPixel > 4 || length < stride * size.height())
        return false;
    const QRect target = QRect(at, size) & image.rect();
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const uchar *row = data + stride * (y - at.y());
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = target.left(); x <= target.right(); ++x) {
            const quint32 pixel = readPixel(row + qsizetype(x - at.x()) * bytesPerPixel, bytesPerPixel,
                                            layout.mostSignificantByteFirst);
            line[x] = colorOfPixel(pixel, layout);
        }
    }
    return true;
}

} // namespace platform
