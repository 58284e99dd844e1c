// SPDX-License-Identifier: MIT
#include "contrast/nearest.h"

#include "contrast/channeltables.h"
#include "contrast/contrast.h"

#include <cmath>
#include <functional>
#include <limits>
#include <queue>
#include <vector>

namespace contrast {

namespace {

// Linear sRGB to cone responses, per channel, so a colour's responses are three table sums.
struct ConeTables
{
    std::array<std::array<double, 256>, 3> l, m, s; // indexed [channel][value]
};

const ConeTables &coneTables()
{
    static const ConeTables tables = [] {
        constexpr double kToLms[3][3] = {{0.4122214708, 0.5363325363, 0.0514459929},
                                         {0.2119034982, 0.6806995451, 0.1073969566},
                                         {0.0883024619, 0.2817188376, 0.6299787005}};
        ConeTables t;
        const ChannelTables &c = channelTables();
        for (int ch = 0; ch < 3; ++ch) {
            for (int v = 0; v < 256; ++v) {
                t.l[ch][v] = kToLms[0][ch] * c.linear[v];
                t.m[ch][v] = kToLms[1][ch] * c.linear[v];
                t.s[ch][v] = kToLms[2][ch] * c.linear[v];
            }
        }
        return t;
    }();
    return tables;
}

struct Cones
{
    double l, m, s; // cube roots of the responses
};

Cones conesOf(const ConeTables &t, int r, int g, int b)
{
    return {std::cbrt((t.l[0][r] + t.l[1][g]) + t.l[2][b]), std::cbrt((t.m[0][r] + t.m[1][g]) + t.m[2][b]),
            std::cbrt((t.s[0][r] + t.s[1][g]) + t.s[2][b])};
}

// Cube roots at steps of 1 / kRootSteps, for bounds: the root of a response lies between the entries at the
// steps below and above it, which costs two look-ups instead of a cube root.
constexpr int kRootSteps = 1 << 14;

const std::vector<double> &rootTable()
{
    static const std::vector<double> table = [] {
        std::vector<double> t(kRootSteps + 2);
        for (int i = 0; i < int(t.size()); ++i)
            t[size_t(i)] = std::cbrt(double(i) / kRootSteps);
        return t;
    }();
    return table;
}

double rootBelow(const std::vector<double> &table, double x)
{
    return table[size_t(std::max(x, 0.0) * kRootSteps)];
}

double rootAbove(const std::vector<double> &table, double x)
{
    const double scaled = std::max(x, 0.0) * kRootSteps;
    const auto step = size_t(scaled);
    return table[std::min(double(step) < scaled ? step + 1 : step, table.size() - 1)];
}

Cones conesBelow(const ConeTables &t, const std::vector<double> &roots, int r, int g, int b)
{
    return {rootBelow(roots, (t.l[0][r] + t.l[1][g]) + t.l[2][b]),
            rootBelow(roots, (t.m[0][r] + t.m[1][g]) + t.m[2][b]),
            rootBelow(roots, (t.s[0][r] + t.s[1][g]) + t.s[2][b])};
}

Cones conesAbove(const ConeTables &t, const std::vector<double> &roots, int r, int g, int b)
{
    return {rootAbove(roots, (t.l[0][r] + t.l[1][g]) + t.l[2][b]),
            rootAbove(roots, (t.m[0][r] + t.m[1][g]) + t.m[2][b]),
            rootAbove(roots, (t.s[0][r] + t.s[1][g]) + t.s[2][b])};
}

constexpr double kToLab[3][3] = {{0.2104542553, 0.7936177850, -0.0040720468},
                                 {1.9779984951, -2.4285922050, 0.4505937099},
                                 {0.0259040371, 0.7827717662, -0.8086757660}};

double labRow(int row, double l, double m, double s)
{
    return (kToLab[row][0] * l + kToLab[row][1] * m) + kToLab[row][2] * s;
}

Oklab labOf(const Cones &c)
{
    return {labRow(0, c.l, c.m, c.s), labRow(1, c.l, c.m, c.s), labRow(2, c.l, c.m, c.s)};
}

double gapSquared(double target, double low, double high)
{
    const double gap = target < low ? low - target : target > high ? target - high : 0.0;
    return gap * gap;
}

// The least squared distance from target that any colour between the cones lo and hi can have. Every step
// is monotone in each operand, so the bound holds in floating point too; the last factor keeps it below
// the true figure should the library's cube root stray by an ulp.
double boundSquared(const Oklab &target, const Cones &lo, const Cones &hi)
{
    const double *t = &target.L;
    double sum = 0;
    for (int row = 0; row < 3; ++row) {
        const auto pick = [&](int col, double low, double high, bool wantHigh) {
            return (kToLab[row][col] < 0) == wantHigh ? low : high;
        };
        const double low =
            labRow(row, pick(0, lo.l, hi.l, false), pick(1, lo.m, hi.m, false), pick(2, lo.s, hi.s, false));
        const double high =
            labRow(row, pick(0, lo.l, hi.l, true), pick(1, lo.m, hi.m, true), pick(2, lo.s, hi.s, true));
        sum += gapSquared(t[row], low, high);
    }
    return sum * (1 - 1e-9);
}

QRgb rgbOf(int r, int g, int b)
{
    return qRgb(r, g, b);
}

// A cube of colours with its lowest corner and edge length.
struct Node
{
    double bound;
    int r, g, b, size;
    bool operator>(const Node &o) const { return bound > o.bound; }
};

struct Best
{
    double distance = std::numeric_limits<double>::infinity();
    QRgb colour = 0;
    bool found = false;

    void offer(double d, QRgb c)
    {
        if (!found || d < distance || (d == distance && (c & 0xFFFFFFu) < (colour & 0xFFFFFFu))) {
            distance = d;
            colour = c;
            found = true;
        }
    }
};

} // namespace

Oklab toOklab(QRgb colour)
{
    return labOf(conesOf(coneTables(), qRed(colour), qGreen(colour), qBlue(colour)));
}

double oklabDistanceSquared(const Oklab &p, const Oklab &q)
{
    const double dL = p.L - q.L, da = p.a - q.a, db = p.b - q.b;
    return (dL * dL + da * da) + db * db;
}

namespace {

// The luminances within a ratio of another: those from black up to one point and from another point up to
// white, so a range of luminances meets them where one of its ends does.
struct Passing
{
    double otherLuminance;
    double threshold;
    bool contains(double luminance) const
    {
        return passes(luminanceRatio(luminance, otherLuminance), threshold);
    }
    bool meets(double low, double high) const { return contains(low) || contains(high); }
};

template <typename Set> std::optional<QRgb> searchNearest(QRgb edited, const Set &set)
{
    const ChannelTables &lum = channelTables();
    const ConeTables &cones = coneTables();
    const std::vector<double> &roots = rootTable();
    if (set.contains(relativeLuminance(edited)))
        return edited;
    const Oklab target = toOklab(edited);
    Best best;
    for (QRgb seed : {0xFF000000u, 0xFFFFFFFFu}) {
        if (set.contains(relativeLuminance(seed)))
            best.offer(oklabDistanceSquared(target, toOklab(seed)), seed);
    }

    // Best first over an octree of the colour cube. Luminance and every cone response grow with each
    // channel, so a cube's extremes sit at its two far corners: its luminances lie between theirs, and the
    // corners bound the cube's OKLab box.
    std::vector<Node> storage;
    storage.reserve(4096);
    std::priority_queue<Node, std::vector<Node>, std::greater<>> queue(std::greater<>(), std::move(storage));
    queue.push({0.0, 0, 0, 0, 256});
    while (!queue.empty() && queue.top().bound <= best.distance) {
        const Node node = queue.top();
        queue.pop();
        const int half = node.size / 2;
        for (int child = 0; child < 8; ++child) {
            const int r = node.r + ((child & 4) ? half : 0);
            const int g = node.g + ((child & 2) ? half : 0);
            const int b = node.b + ((child & 1) ? half : 0);
            if (half == 1) {
                if (set.contains(luminanceOf(lum, r, g, b)))
                    best.offer(oklabDistanceSquared(target, labOf(conesOf(cones, r, g, b))), rgbOf(r, g, b));
                continue;
            }
            const int last = half - 1;
            if (!set.meets(luminanceOf(lum, r, g, b), luminanceOf(lum, r + last, g + last, b + last)))
                continue;
            const double bound = boundSquared(target, conesBelow(cones, roots, r, g, b),
                                              conesAbove(cones, roots, r + last, g + last, b + last));
            if (bound <= best.distance)
                queue.push({bound, r, g, b, half});
        }
    }
    if (!best.found)
        return std::nullopt;
    return best.colour;
}

template <typename Contains> std::optional<QRgb> tryAll(QRgb edited, const Contains &contains)
{
    const ChannelTables &lum = channelTables();
    const ConeTables &cones = coneTables();
    const Oklab target = toOklab(edited);
    Best best;
    for (int r = 0; r < 256; ++r) {
        for (int g = 0; g < 256; ++g) {
            // The same sums as luminanceOf and conesOf, with the part shared by the row taken out of the
            // loop.
            const double y = lum.red[r] + lum.green[g];
            const double l = cones.l[0][r] + cones.l[1][g], m = cones.m[0][r] + cones.m[1][g],
                         s = cones.s[0][r] + cones.s[1][g];
            const double *yBlue = lum.blue.data(), *lBlue = cones.l[2].data(), *mBlue = cones.m[2].data(),
                         *sBlue = cones.s[2].data();
            for (int b = 0; b < 256; ++b) {
                if (!contains(y + yBlue[b]))
                    continue;
                const Cones c{std::cbrt(l + lBlue[b]), std::cbrt(m + mBlue[b]), std::cbrt(s + sBlue[b])};
                const double d = oklabDistanceSquared(target, labOf(c));
                if (d < best.distance || !best.found)
                    best.offer(d, rgbOf(r, g, b));
            }
        }
    }
    if (!best.found)
        return std::nullopt;
    return best.colour;
}

} // namespace

std::optional<QRgb> nearestPassing(QRgb edited, QRgb other, double threshold)
{
    const Passing passing{relativeLuminance(other), threshold};
    // The ratio grows the farther the luminance lies from the other's, so black or white reaches it if any
    // does.
    if (!passing.contains(0.0) && !passing.contains(relativeLuminance(0xFFFFFFu)) &&
        !passing.contains(relativeLuminance(edited)))
        return std::nullopt;
    return searchNearest(edited, passing);
}

std::optional<QRgb> nearestPassingByTryingAll(QRgb edited, QRgb other, double threshold)
{
    const Passing passing{relativeLuminance(other), threshold};
    return tryAll(edited, [&](double luminance) { return passing.contains(luminance); });
}

std::optional<QRgb> nearestWithLuminanceIn(QRgb edited, const LuminanceSet &set)
{
    return searchNearest(edited, set);
}

std::optional<QRgb> nearestWithLuminanceByTryingAll(QRgb edited, const std::function<bool(double)> &contains)
{
    return tryAll(edited, contains);
}

} // namespace contrast
