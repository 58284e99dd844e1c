// SPDX-License-Identifier: MIT
#include "thresholds/thresholdimages.h"

#include <algorithm>

namespace thresholds {

QImage contourImage(const contrast::PassGrid &grid, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int width = std::min(grid.width, size.width());
    const int height = std::min(grid.height, size.height());
    const auto put = [&](int x, int y, QRgb colour) {
        if (x < width && y < height)
            reinterpret_cast<QRgb *>(image.scanLine(y))[x] = colour;
    };
    // A point can only be on a line next to a cut of its own row or between the cuts of its row and the
    // next, so only those stretches are looked at.
    const auto visit = [&](auto &&draw) {
        for (int y = 0; y < height; ++y) {
            const contrast::PassGrid::Row &row = grid.rows[size_t(y)];
            const contrast::PassGrid::Row &next = grid.rows[size_t(std::min(y + 1, grid.height - 1))];
            for (int k = 0; k < 3; ++k) {
                for (const auto &[here, below] : {std::pair(row.darkEnd[k], next.darkEnd[k]),
                                                  std::pair(row.lightBegin[k], next.lightBegin[k])}) {
                    const int last = std::min(std::max(here, below), width - 1);
                    for (int x = std::max(std::min(here, below) - 1, 0); x <= last; ++x) {
                        const bool pass = grid.passes(k, x, y);
                        const bool right = x + 1 < grid.width && grid.passes(k, x + 1, y) != pass;
                        const bool lower = y + 1 < grid.height && grid.passes(k, x, y + 1) != pass;
                        // Every contour falls from left to right, so x - y counts the steps along it.
                        if ((right || lower) && contrast::lineDrawn(k, x - y + 256))
                            draw(x, y, right);
                    }
                }
            }
        }
    };
    // Light halves first, so where two lines meet the dark contour points stay whole.
    visit([&](int x, int y, bool right) { put(right ? x + 1 : x, right ? y : y + 1, contrast::kLineLight); });
    visit([&](int x, int y, bool) { put(x, y, contrast::kLineDark); });
    return image;
}

QImage planeOverlay(int baseChannel, int baseValue, QRgb other, QSize size)
{
    return contourImage(contrast::planePasses(baseChannel, baseValue, other), size);
}

QImage swatchOverlay(int baseChannel, int index, QRgb other, QSize size)
{
    return contourImage(contrast::swatchPasses(baseChannel, index, other), size);
}

} // namespace thresholds
