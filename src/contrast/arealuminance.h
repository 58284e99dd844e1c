// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace contrast {

// 32-bit pixels (QRgb) in rows, as an image keeps them; whoever makes it keeps the pixels alive. A pixel of
// alpha 0 lies on no screen and is not part of the area.
struct PixelRows
{
    const uchar *bits = nullptr;
    int width = 0;
    int height = 0;
    qsizetype bytesPerLine = 0;

    const QRgb *row(int y) const { return reinterpret_cast<const QRgb *>(bits + y * bytesPerLine); }
};

// The relative luminances of an area's pixels, counted exactly as relativeLuminance() computes them, for
// questions about every pixel at once: how many pixels have a luminance in a set that holds every
// luminance below any it holds (a "down-set", such as "darker than y" or "below y or within a ratio of it").
// Made in one pass that counts the pixels in narrow bands of luminance; the exact luminances of a band's
// pixels are read again from the pixels only when a question's answer falls inside that band, and kept.
class AreaLuminances
{
public:
    explicit AreaLuminances(const PixelRows &pixels);
    ~AreaLuminances();
    AreaLuminances(const AreaLuminances &) = delete;
    AreaLuminances &operator=(const AreaLuminances &) = delete;

    // Pixels of the area on a screen.
    qint64 total() const { return m_total; }

    // How many pixels have a luminance for which downSet(luminance) is true; downSet must hold for every
    // luminance below one it holds for. Exact.
    template <typename DownSet> qint64 count(const DownSet &downSet) const;

    // Adds to bands those whose pixels count(downSet) reads again for any set between tighter and looser
    // (tighter true only where looser is); prepare() then reads all of them in one pass, so that questions
    // about many sets cost one pass of the pixels, not one each.
    template <typename Tighter, typename Looser>
    void collectBands(const Tighter &tighter, const Looser &looser, std::vector<int> &bands) const;
    void prepare(const std::vector<int> &bands) const;

    // Bounds of count(downSet) that read no pixel again: the pixels of the bands wholly in the set, and
    // those of the bands partly in it too.
    template <typename DownSet> qint64 countAtLeast(const DownSet &downSet) const
    {
        const int band = firstNotWhole(downSet);
        return band < bandCount() ? pixelsBefore(band) : m_total;
    }
    template <typename DownSet> qint64 countAtMost(const DownSet &downSet) const;

    // The bands and the range of luminance each may hold, overlapping its neighbours' by a little: a band
    // is the pixels whose luminance, in whole steps of 2^-26 and summed channel by channel, cut to steps of
    // 2^-16, is the band's number. The cut parts of three channels add up to less than three steps, and
    // the exact luminance lies within one step of their sum.
    static constexpr int kStepBits = 26;
    static constexpr int kBandBits = 10;
    int bandCount() const { return int(m_counts.size()); }
    static double bandLow(int band)
    {
        return double((qint64(band) << kBandBits) - 1) / double(1 << kStepBits);
    }
    static double bandHigh(int band)
    {
        return double((qint64(band + 1) << kBandBits) + 3) / double(1 << kStepBits);
    }
    qint64 bandPixels(int band) const { return m_counts[size_t(band)]; }
    // Pixels in the bands before band.
    qint64 pixelsBefore(int band) const { return m_before[size_t(band)]; }

private:
    struct Exact; // a band's distinct luminances in order, with the pixels up to each
    const Exact &exact(int band) const;
    // The first band whose every possible luminance, or some, is outside downSet.
    template <typename DownSet> int firstNotWhole(const DownSet &downSet) const;

    PixelRows m_pixels;
    // Each pixel's band, so that reading a band again looks up no colour; a pixel on no screen has one here
    // too, and its own colour tells it apart.
    std::vector<quint16> m_bandOf;
    std::vector<qint64> m_counts;
    std::vector<qint64> m_before;
    qint64 m_total = 0;
    mutable std::vector<std::unique_ptr<Exact>> m_exact;
};

struct AreaLuminances::Exact
{
    std::vector<double> luminance;
    std::vector<qint64> upTo; // pixels with a luminance up to luminance[i]
};

template <typename DownSet> int AreaLuminances::firstNotWhole(const DownSet &downSet) const
{
    int low = 0, high = bandCount();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (downSet(bandHigh(mid)))
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

template <typename DownSet> qint64 AreaLuminances::count(const DownSet &downSet) const
{
    int band = firstNotWhole(downSet);
    qint64 n = band < bandCount() ? pixelsBefore(band) : m_total;
    // Only the bands that straddle the set's edge are read exactly; bands overlap so little that there are
    // at most two.
    for (; band < bandCount() && downSet(bandLow(band)); ++band) {
        if (bandPixels(band) == 0)
            continue;
        const Exact &e = exact(band);
        qsizetype low = 0, high = qsizetype(e.luminance.size());
        while (low < high) {
            const qsizetype mid = (low + high) / 2;
            if (downSet(e.luminance[size_t(mid)]))
                low = mid + 1;
            else
                high = mid;
        }
        if (low > 0)
            n += e.upTo[size_t(low - 1)];
    }
    return n;
}

template <typename DownSet> qint64 AreaLuminances::countAtMost(const DownSet &downSet) const
{
    int low = 0, high = bandCount();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (downSet(bandLow(mid)))
            low = mid + 1;
        else
            high = mid;
    }
    return low < bandCount() ? pixelsBefore(low) : m_total;
}

template <typename Tighter, typename Looser>
void AreaLuminances::collectBands(const Tighter &tighter, const Looser &looser, std::vector<int> &bands) const
{
    for (int band = firstNotWhole(tighter); band < bandCount() && looser(bandLow(band)); ++band) {
        if (bandPixels(band) > 0 && !m_exact[size_t(band)])
            bands.push_back(band);
    }
}

} // namespace contrast
