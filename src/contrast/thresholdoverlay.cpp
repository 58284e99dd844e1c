// SPDX-License-Identifier: MIT
#include "contrast/thresholdoverlay.h"

#include "app/planeaxes.h"
#include "contrast/channeltables.h"
#include "contrast/contrast.h"

#include <algorithm>

namespace contrast {

namespace {

// The grid of points whose two free channels take xValues and yValues and whose base channel is fixed.
PassGrid passes(int baseChannel, int baseValue, QRgb other, const std::vector<int> &values)
{
    const ChannelTables &t = channelTables();
    const double otherLuminance = relativeLuminance(other);
    const int xChannel = kPlaneAxes[baseChannel][0];
    const int yChannel = kPlaneAxes[baseChannel][1];
    PassGrid grid;
    grid.width = grid.height = int(values.size());
    grid.bits.resize(values.size() * values.size());
    quint8 *out = grid.bits.data();
    std::array<int, 3> rgb{};
    rgb[baseChannel] = std::clamp(baseValue, 0, 255);
    for (int y = 0; y < grid.height; ++y) {
        rgb[yChannel] = values[y];
        for (int x = 0; x < grid.width; ++x) {
            rgb[xChannel] = values[x];
            const double ratio = luminanceRatio(luminanceOf(t, rgb[0], rgb[1], rgb[2]), otherLuminance);
            *out++ =
                quint8((ratio >= kOverlayThresholds[0] ? 1 : 0) | (ratio >= kOverlayThresholds[1] ? 2 : 0) |
                       (ratio >= kOverlayThresholds[2] ? 4 : 0));
        }
    }
    return grid;
}

} // namespace

PassGrid planePasses(int baseChannel, int baseValue, QRgb other)
{
    std::vector<int> values(256);
    for (int i = 0; i < 256; ++i)
        values[i] = i;
    return passes(baseChannel, baseValue, other, values);
}

PassGrid swatchPasses(int baseChannel, int index, QRgb other)
{
    std::vector<int> values(65);
    for (int i = 0; i < 65; ++i)
        values[i] = std::min(4 * i, 255);
    return passes(baseChannel, 16 * index + 8, other, values);
}

bool lineDrawn(int k, int step)
{
    switch (k) {
    case 0:
        return true;
    case 1:
        return step % 8 < 5;
    default:
        return step % 3 == 0;
    }
}

QImage contourImage(const PassGrid &grid, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int width = std::min(grid.width, size.width());
    const int height = std::min(grid.height, size.height());
    const auto put = [&](int x, int y, QRgb colour) {
        if (x < width && y < height)
            reinterpret_cast<QRgb *>(image.scanLine(y))[x] = colour;
    };
    // Light halves first, so where two lines meet the dark contour points stay whole.
    for (const bool dark : {false, true}) {
        const quint8 *row = grid.bits.data();
        for (int y = 0; y < height; ++y, row += grid.width) {
            for (int x = 0; x < width; ++x) {
                const quint8 here = row[x];
                const quint8 right = x + 1 < grid.width ? quint8(here ^ row[x + 1]) : quint8(0);
                const quint8 below = y + 1 < grid.height ? quint8(here ^ row[x + grid.width]) : quint8(0);
                const quint8 bits = right | below;
                if (!bits)
                    continue;
                // Every contour falls from left to right, so x - y counts the steps along it.
                const int step = x - y + 256;
                for (int k = 0; k < 3; ++k) {
                    if (!(bits & (1 << k)) || !lineDrawn(k, step))
                        continue;
                    if (dark) {
                        put(x, y, kLineDark);
                    } else if (right & (1 << k)) {
                        put(x + 1, y, kLineLight);
                    } else {
                        put(x, y + 1, kLineLight);
                    }
                    break;
                }
            }
        }
    }
    return image;
}

QImage planeOverlay(int baseChannel, int baseValue, QRgb other, QSize size)
{
    return contourImage(planePasses(baseChannel, baseValue, other), size);
}

QImage swatchOverlay(int baseChannel, int index, QRgb other, QSize size)
{
    return contourImage(swatchPasses(baseChannel, index, other), size);
}

} // namespace contrast
