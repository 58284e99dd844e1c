// SPDX-License-Identifier: MIT
#include "contrast/areafigures.h"

#include "contrast/channeltables.h"
#include "contrast/contrast.h"
#include "contrast/nearest.h"

#include <bit>
#include <cmath>
#include <map>

namespace contrast {

namespace {

// A text colour's ratio against a luminance falls as the luminance rises towards the text's and rises
// beyond it, so the pixels within a ratio x of the text are those counted by the first set less those
// counted by the second, both of them down-sets.
struct WithinOrDarker
{
    double text, x;
    bool operator()(double y) const { return y < text || luminanceRatio(text, y) <= x; }
};
struct FarDarker
{
    double text, x;
    bool operator()(double y) const { return y < text && luminanceRatio(text, y) > x; }
};

qint64 withinRatio(const AreaLuminances &area, double text, double x)
{
    return area.count(WithinOrDarker{text, x}) - area.count(FarDarker{text, x});
}

// The bounds of withinRatio() that read no pixel again.
qint64 withinRatioAtLeast(const AreaLuminances &area, double text, double x)
{
    return area.countAtLeast(WithinOrDarker{text, x}) - area.countAtMost(FarDarker{text, x});
}
qint64 withinRatioAtMost(const AreaLuminances &area, double text, double x)
{
    return area.countAtMost(WithinOrDarker{text, x}) - area.countAtLeast(FarDarker{text, x});
}

// The bands withinRatio() reads again for any x from low to high.
void collectWithin(const AreaLuminances &area, double text, double low, double high, std::vector<int> &bands)
{
    area.collectBands(WithinOrDarker{text, low}, WithinOrDarker{text, high}, bands);
    area.collectBands(FarDarker{text, high}, FarDarker{text, low}, bands);
}

// Ratios are failing below a threshold: within the largest double below it.
double justBelow(double threshold)
{
    return std::nextafter(threshold, 0.0);
}

// No ratio is below 1 or above 21 (a little more in floating point).
constexpr double kLeastRatio = 1.0;
constexpr double kBeyondRatios = 22.0;

// The smallest double x from low to high with count(x) >= k, for count growing with x and reaching k at
// high. Positive doubles are ordered as their bits are.
template <typename Count> double smallestReaching(qint64 k, double low, double high, const Count &count)
{
    auto lo = std::bit_cast<qint64>(low), hi = std::bit_cast<qint64>(high);
    while (lo < hi) {
        const qint64 mid = lo + (hi - lo) / 2;
        if (count(std::bit_cast<double>(mid)) >= k)
            hi = mid;
        else
            lo = mid + 1;
    }
    return std::bit_cast<double>(lo);
}

// The k-th lowest ratio of the pixels against text, once its bands are prepared.
struct Rank
{
    qint64 k;
    double low, high;
};

Rank rankBounds(const AreaLuminances &area, double text, qint64 k, std::vector<int> &bands)
{
    const double low = smallestReaching(k, kLeastRatio, kBeyondRatios,
                                        [&](double x) { return withinRatioAtMost(area, text, x); });
    const double high =
        smallestReaching(k, low, kBeyondRatios, [&](double x) { return withinRatioAtLeast(area, text, x); });
    collectWithin(area, text, low, high, bands);
    return {k, low, high};
}

double rankedRatio(const AreaLuminances &area, double text, const Rank &rank)
{
    return smallestReaching(rank.k, rank.low, rank.high,
                            [&](double x) { return withinRatio(area, text, x); });
}

QString thresholdText(double threshold)
{
    return QString::number(threshold) + QStringLiteral(":1");
}

} // namespace

qint64 failingPixels(const AreaLuminances &area, double luminance, double threshold)
{
    return withinRatio(area, luminance, justBelow(threshold));
}

AreaFigures areaFigures(const AreaLuminances &area, QRgb foreground)
{
    AreaFigures figures;
    figures.pixels = area.total();
    if (figures.pixels == 0)
        return figures;
    const double text = relativeLuminance(foreground);
    const qint64 n = figures.pixels;
    // Every pixel the answers hang on is read again in one pass.
    std::vector<int> bands;
    const Rank lowest = rankBounds(area, text, 1, bands);
    const Rank reached = rankBounds(area, text, n / 20 + 1, bands);
    const Rank median = rankBounds(area, text, (n + 1) / 2, bands);
    for (const double threshold : kAreaThresholds)
        collectWithin(area, text, justBelow(threshold), justBelow(threshold), bands);
    area.prepare(bands);

    figures.lowest = rankedRatio(area, text, lowest);
    figures.reached = rankedRatio(area, text, reached);
    figures.median = rankedRatio(area, text, median);
    for (size_t i = 0; i < kAreaThresholds.size(); ++i)
        figures.passing[i] = n - failingPixels(area, text, kAreaThresholds[i]);
    return figures;
}

// The luminances of text that reaches a threshold on at least 95 % of the area. Their edges are where a
// pixel's luminance enters or leaves the window of failing ratios around the text's, so they can be many
// (text on black and white may pass in grey between them). The luminance axis is cut in cells of 2^-16;
// for each cell, bounds of the failing pixels of any text there come from the bands alone, which settles
// most cells at once, and only in the others is a luminance counted exactly.
class AreaNearest::Reaching final : public LuminanceSet
{
public:
    Reaching(const AreaLuminances &area, double threshold) : m_area(area), m_threshold(threshold)
    {
        const double t = threshold;
        const qint64 allowed = area.total() / 20;
        const int bands = area.bandCount();
        const auto lowOf = [](int band) { return AreaLuminances::bandLow(band); };
        const auto highOf = [](int band) { return AreaLuminances::bandHigh(band); };
        const auto pixels = [&](int first, int last) {
            if (first > last)
                return qint64(0);
            return (last + 1 < bands ? area.pixelsBefore(last + 1) : area.total()) - area.pixelsBefore(first);
        };
        m_cells.resize(kCells);
        m_possibleBefore.resize(kCells + 1);
        // Every pointer only moves up as the cells do.
        int wholeFirst = 0, wholeLast = -1, someFirst = 0, someLast = -1;
        std::vector<int> exactBands;
        for (int i = 0; i < kCells; ++i) {
            const double a = cellLow(i), b = cellLow(i + 1);
            // Bands failing for every text in the cell: beyond the lower edge of its failing window from the
            // top of the cell and below the upper edge from its bottom.
            while (wholeFirst < bands &&
                   !(lowOf(wholeFirst) >= b || luminanceRatio(b, lowOf(wholeFirst)) < t))
                ++wholeFirst;
            while (wholeLast + 1 < bands &&
                   (highOf(wholeLast + 1) <= a || luminanceRatio(a, highOf(wholeLast + 1)) < t))
                ++wholeLast;
            // Bands failing for some text in the cell.
            while (someFirst < bands && !(highOf(someFirst) >= a || luminanceRatio(a, highOf(someFirst)) < t))
                ++someFirst;
            while (someLast + 1 < bands &&
                   (lowOf(someLast + 1) <= b || luminanceRatio(b, lowOf(someLast + 1)) < t))
                ++someLast;
            const qint64 surely = pixels(wholeFirst, wholeLast);
            const qint64 maybe = pixels(someFirst, std::min(someLast, bands - 1));
            m_cells[size_t(i)] = surely > allowed ? Cell::None : maybe <= allowed ? Cell::All : Cell::Some;
            // The window of failing ratios only grows upward with the text's luminance, so the bands read
            // for any text in the cell lie between those for its two ends.
            if (m_cells[size_t(i)] == Cell::Some) {
                area.collectBands(WithinOrDarker{a, justBelow(t)}, WithinOrDarker{b, justBelow(t)},
                                  exactBands);
                area.collectBands(FarDarker{a, justBelow(t)}, FarDarker{b, justBelow(t)}, exactBands);
            }
            m_possibleBefore[size_t(i) + 1] =
                m_possibleBefore[size_t(i)] + (m_cells[size_t(i)] != Cell::None);
        }
        area.prepare(exactBands);
    }

    bool contains(double luminance) const override
    {
        switch (m_cells[size_t(cellOf(luminance))]) {
        case Cell::None:
            return false;
        case Cell::All:
            return true;
        case Cell::Some:
            break;
        }
        return nearlyAllPass(failingPixels(m_area, luminance, m_threshold), m_area.total());
    }

    bool meets(double low, double high) const override
    {
        return m_possibleBefore[size_t(cellOf(high)) + 1] > m_possibleBefore[size_t(cellOf(low))];
    }

private:
    enum class Cell : quint8 { None, Some, All };
    static constexpr int kCellBits = 16;
    // White's luminance is 1, in a cell of its own.
    static constexpr int kCells = (1 << kCellBits) + 1;
    static double cellLow(int cell) { return double(cell) / double(1 << kCellBits); }
    static int cellOf(double luminance)
    {
        return std::clamp(int(luminance * double(1 << kCellBits)), 0, kCells - 1);
    }

    const AreaLuminances &m_area;
    double m_threshold;
    std::vector<Cell> m_cells;
    std::vector<int> m_possibleBefore;
};

AreaNearest::AreaNearest(const AreaLuminances &area) : m_area(area) {}

AreaNearest::~AreaNearest() = default;

std::optional<QRgb> AreaNearest::nearest(QRgb foreground, double threshold)
{
    if (m_area.total() == 0)
        return std::nullopt;
    size_t level = 0;
    while (level + 1 < kAreaLevels.size() && kAreaLevels[level] != threshold)
        ++level;
    if (kAreaLevels[level] != threshold)
        return std::nullopt;
    if (!m_reaching[level])
        m_reaching[level] = std::make_unique<Reaching>(m_area, threshold);
    return nearestWithLuminanceIn(foreground, *m_reaching[level]);
}

std::optional<QRgb> nearestOverAreaByTryingAll(const PixelRows &pixels, QRgb foreground, double threshold)
{
    std::map<double, qint64> counted;
    qint64 total = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            if (qAlpha(pixels.row(y)[x]) != 0) {
                ++counted[relativeLuminance(pixels.row(y)[x])];
                ++total;
            }
        }
    }
    if (total == 0)
        return std::nullopt;
    const std::vector<std::pair<double, qint64>> luminances(counted.begin(), counted.end());
    return nearestWithLuminanceByTryingAll(foreground, [&](double text) {
        qint64 failing = 0;
        for (const auto &[luminance, n] : luminances) {
            if (!passes(luminanceRatio(text, luminance), threshold))
                failing += n;
        }
        return nearlyAllPass(failing, total);
    });
}

QString shareText(qint64 part, qint64 whole)
{
    if (whole <= 0)
        return QString();
    const qint64 tenths = part * 1000 / whole;
    return QStringLiteral("%1.%2%").arg(tenths / 10).arg(tenths % 10);
}

QString areaCopyText(QRgb foreground, QSize size, const AreaFigures &figures, double threshold,
                     std::optional<QRgb> nearest)
{
    const QString crlf = QStringLiteral("\r\n");
    const qint64 n = figures.pixels;
    QString text = QStringLiteral("Foreground %1 over an area of %2 x %3 pixels")
                       .arg(hexText(foreground))
                       .arg(size.width())
                       .arg(size.height());
    if (n == 0)
        return text + QStringLiteral(", none on a screen") + crlf;
    if (n < qint64(size.width()) * size.height())
        text += QStringLiteral(", %1 on a screen").arg(n);
    const auto share = [&](int i) { return shareText(figures.passing[size_t(i)], n); };
    text +=
        crlf + QStringLiteral("Lowest contrast ratio ") + ratioFigure(figures.lowest) + QStringLiteral(":1") +
        crlf + QStringLiteral("95% of the area reaches ") + ratioFigure(figures.reached) +
        QStringLiteral(":1") + crlf + QStringLiteral("Median contrast ratio ") + ratioFigure(figures.median) +
        QStringLiteral(":1") + crlf +
        QStringLiteral("WCAG AA: normal text %1 of the area, large text %2").arg(share(0), share(1)) + crlf +
        QStringLiteral("WCAG AAA: normal text %1 of the area, large text %2").arg(share(2), share(3)) + crlf;
    if (nearest) {
        text += QStringLiteral("Nearest color reaching %1 on 95% of the area: %2")
                    .arg(thresholdText(threshold), hexText(*nearest));
    } else {
        text += QStringLiteral("No color reaches %1 on 95% of the area").arg(thresholdText(threshold));
    }
    return text + crlf;
}

} // namespace contrast
