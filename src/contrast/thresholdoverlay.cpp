// SPDX-License-Identifier: MIT
#include "contrast/thresholdoverlay.h"

#include "color/planeaxes.h"
#include "contrast/channeltables.h"
#include "contrast/contrast.h"

#include <algorithm>

namespace contrast {

namespace {

// The grid of points whose two free channels take the values along x and y and whose base channel is fixed.
PassGrid gridOf(int baseChannel, int baseValue, QRgb other, const std::vector<int> &values)
{
    const ChannelTables &t = channelTables();
    const double otherLuminance = relativeLuminance(other);
    const int xChannel = kPlaneAxes[baseChannel][0];
    const int yChannel = kPlaneAxes[baseChannel][1];
    PassGrid grid;
    grid.width = grid.height = int(values.size());
    grid.rows.resize(values.size());
    std::array<int, 3> rgb{};
    rgb[baseChannel] = std::clamp(baseValue, 0, 255);
    const auto luminance = [&](int x) {
        rgb[xChannel] = values[size_t(x)];
        return luminanceOf(t, rgb[0], rgb[1], rgb[2]);
    };
    const int width = grid.width;
    for (int k = 0; k < 3; ++k) {
        const double threshold = kOverlayThresholds[k];
        const auto darkPass = [&](int x) {
            const double l = luminance(x);
            return l <= otherLuminance && passes(luminanceRatio(l, otherLuminance), threshold);
        };
        const auto lightPass = [&](int x) {
            const double l = luminance(x);
            return l > otherLuminance && passes(luminanceRatio(l, otherLuminance), threshold);
        };
        // Each row is lighter than the one above, so its runs can only be shorter at the dark start and
        // longer at the light end: each cut moves one way only, and a whole picture costs about width +
        // height tests.
        int darkEnd = 0, lightBegin = width;
        for (int y = 0; y < grid.height; ++y) {
            rgb[yChannel] = values[size_t(y)];
            if (y == 0) {
                while (darkEnd < width && darkPass(darkEnd))
                    ++darkEnd;
            } else {
                while (darkEnd > 0 && !darkPass(darkEnd - 1))
                    --darkEnd;
            }
            while (lightBegin > 0 && lightPass(lightBegin - 1))
                --lightBegin;
            grid.rows[size_t(y)].darkEnd[k] = darkEnd;
            grid.rows[size_t(y)].lightBegin[k] = lightBegin;
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
    return gridOf(baseChannel, baseValue, other, values);
}

PassGrid swatchPasses(int baseChannel, int index, QRgb other)
{
    std::vector<int> values(65);
    for (int i = 0; i < 65; ++i)
        values[i] = std::min(4 * i, 255);
    return gridOf(baseChannel, swatchLevel(index), other, values);
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

} // namespace contrast
