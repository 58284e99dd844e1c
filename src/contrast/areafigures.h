// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/arealuminance.h"

#include <QRgb>
#include <QSize>
#include <QString>

#include <array>
#include <memory>
#include <optional>

// Text over an area: the contrast of one text colour against every pixel of an area of the screen.
namespace contrast {

// The criteria whose shares of the area are told: AA normal text, AA large text, AAA normal text, AAA
// large text.
inline constexpr std::array<double, 4> kAreaThresholds{4.5, 3.0, 7.0, 4.5};
// The levels the nearest colour over an area can be asked for.
inline constexpr std::array<double, 3> kAreaLevels{3.0, 4.5, 7.0};

struct AreaFigures
{
    qint64 pixels = 0;  // of the area on a screen; without any there are no figures
    double lowest = 0;  // the lowest ratio against any pixel
    double reached = 0; // the highest ratio at least 95 % of the pixels reach
    // The ratio at least half of the pixels reach and at least half do not pass: of an even count's two
    // middle ratios the lower, so that it never overstates.
    double median = 0;
    std::array<qint64, 4> passing{}; // pixels on which each of kAreaThresholds is reached
};

// The figures of text in foreground over the area.
AreaFigures areaFigures(const AreaLuminances &area, QRgb foreground);

// How many pixels the text colour of the given luminance fails threshold on.
qint64 failingPixels(const AreaLuminances &area, double luminance, double threshold);
// Whether a share of at least 95 % of the pixels passes when failing of total fail.
inline bool nearlyAllPass(qint64 failing, qint64 total)
{
    return 20 * failing <= total;
}

// The colour nearest to foreground in OKLab (as the nearest passing colour is found) that reaches threshold
// on at least 95 % of the area; foreground itself when it does; nothing when no colour does. The set of
// luminances that do is worked out once for each threshold and kept.
class AreaNearest
{
public:
    explicit AreaNearest(const AreaLuminances &area);
    ~AreaNearest();
    std::optional<QRgb> nearest(QRgb foreground, double threshold);

private:
    class Reaching;
    const AreaLuminances &m_area;
    std::array<std::unique_ptr<Reaching>, kAreaLevels.size()> m_reaching;
};

// The same by trying every colour against every pixel; for checking the search on small areas.
std::optional<QRgb> nearestOverAreaByTryingAll(const PixelRows &pixels, QRgb foreground, double threshold);

// A share of the whole in per cent with one decimal, cut so that it never overstates: "94.9%".
QString shareText(qint64 part, qint64 whole);

// The figures of text in foreground over an area of size (nearest for threshold) as lines for the
// clipboard, each ending in CR LF, as the contrast panel copies its own.
QString areaCopyText(QRgb foreground, QSize size, const AreaFigures &figures, double threshold,
                     std::optional<QRgb> nearest);

} // namespace contrast
