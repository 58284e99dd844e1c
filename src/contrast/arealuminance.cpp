// SPDX-License-Identifier: MIT
#include "contrast/arealuminance.h"

#include "contrast/channeltables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace contrast {

namespace {

// Each channel's term of the luminance in whole steps of 2^-26, cut: three integer look-ups and two integer
// additions make a pixel's band, which is several times faster than the luminance in floating point.
struct StepTables
{
    std::array<quint32, 256> red, green, blue;
};

const StepTables &stepTables()
{
    static const StepTables tables = [] {
        const ChannelTables &c = channelTables();
        const double scale = double(1 << AreaLuminances::kStepBits);
        StepTables t;
        for (int v = 0; v < 256; ++v) {
            t.red[v] = quint32(std::floor(c.red[v] * scale));
            t.green[v] = quint32(std::floor(c.green[v] * scale));
            t.blue[v] = quint32(std::floor(c.blue[v] * scale));
        }
        // White's sum is 2^26 - 2: every band fits in 16 bits.
        Q_ASSERT(((t.red[255] + t.green[255] + t.blue[255]) >> AreaLuminances::kBandBits) <= 0xFFFF);
        return t;
    }();
    return tables;
}

inline quint32 bandOf(const StepTables &t, QRgb p)
{
    return (t.red[(p >> 16) & 0xFF] + t.green[(p >> 8) & 0xFF] + t.blue[p & 0xFF]) >>
           AreaLuminances::kBandBits;
}

inline bool onScreen(QRgb p)
{
    return (p >> 24) != 0;
}

// A band's colours and how many pixels have each, in a small table that grows as colours come.
class ColourCounts
{
public:
    void add(QRgb colour, qint64 pixels)
    {
        if (2 * (m_used + 1) > m_keys.size())
            grow();
        size_t i = slot(colour);
        while (m_counts[i] != 0 && m_keys[i] != colour)
            i = (i + 1) & (m_keys.size() - 1);
        if (m_counts[i] == 0) {
            m_keys[i] = colour;
            ++m_used;
        }
        m_counts[i] += pixels;
    }

    template <typename Visit> void forEach(const Visit &visit) const
    {
        for (size_t i = 0; i < m_keys.size(); ++i) {
            if (m_counts[i] != 0)
                visit(m_keys[i], m_counts[i]);
        }
    }

private:
    size_t slot(QRgb colour) const { return (colour * 0x9E3779B1u >> 8) & (m_keys.size() - 1); }

    void grow()
    {
        std::vector<QRgb> keys = std::move(m_keys);
        std::vector<qint64> counts = std::move(m_counts);
        const size_t size = std::max<size_t>(16, 2 * keys.size());
        m_keys.assign(size, 0);
        m_counts.assign(size, 0);
        m_used = 0;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (counts[i] != 0)
                add(keys[i], counts[i]);
        }
    }

    std::vector<QRgb> m_keys;
    std::vector<qint64> m_counts;
    size_t m_used = 0;
};

} // namespace

AreaLuminances::AreaLuminances(const PixelRows &pixels)
    : m_pixels(pixels), m_bandOf(size_t(std::max(pixels.width, 0)) * size_t(std::max(pixels.height, 0))),
      m_counts(size_t(1) << (kStepBits - kBandBits), 0)
{
    const StepTables &t = stepTables();
    // Counted in 32 bits, half the cache of 64 (an area holds fewer than 2^32 pixels), and in two tables
    // taking turns, so that a run of one colour does not wait on its own last count. Branches that guess
    // wrong on photographs cost more than the work they would save, so every pixel is counted alike.
    const size_t bands = m_counts.size();
    std::vector<quint32> counts(2 * bands, 0);
    quint32 *even = counts.data(), *odd = even + bands;
    quint16 *band = m_bandOf.data();
    for (int y = 0; y < pixels.height; ++y) {
        const QRgb *row = pixels.row(y);
        int x = 0;
        for (; x + 1 < pixels.width; x += 2) {
            const QRgb p = row[x], q = row[x + 1];
            const quint32 a = bandOf(t, p), b = bandOf(t, q);
            band[x] = quint16(a);
            band[x + 1] = quint16(b);
            even[a] += onScreen(p);
            odd[b] += onScreen(q);
        }
        if (x < pixels.width) {
            const QRgb p = row[x];
            band[x] = quint16(bandOf(t, p));
            even[band[x]] += onScreen(p);
        }
        band += pixels.width;
    }
    for (size_t i = 0; i < bands; ++i)
        m_counts[i] = qint64(even[i]) + odd[i];
    m_before.resize(m_counts.size());
    for (size_t i = 0; i < m_counts.size(); ++i) {
        m_before[i] = m_total;
        m_total += m_counts[i];
    }
    m_exact.resize(m_counts.size());
}

AreaLuminances::~AreaLuminances() = default;

void AreaLuminances::prepare(const std::vector<int> &bands) const
{
    std::vector<int> wanted;
    for (const int band : bands) {
        if (band >= 0 && band < bandCount() && m_counts[size_t(band)] > 0 && !m_exact[size_t(band)])
            wanted.push_back(band);
    }
    if (wanted.empty())
        return;
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    // Where each wanted band's colours are counted; -1 for the others. A bit a band tells most pixels
    // apart from the cache's nearest level.
    std::vector<int> slotOf(m_counts.size(), -1);
    std::vector<quint64> isWanted(m_counts.size() / 64 + 1, 0);
    for (size_t i = 0; i < wanted.size(); ++i) {
        slotOf[size_t(wanted[i])] = int(i);
        isWanted[size_t(wanted[i]) / 64] |= quint64(1) << (wanted[i] % 64);
    }
    std::vector<ColourCounts> colours(wanted.size());
    const quint16 *band = m_bandOf.data();
    for (int y = 0; y < m_pixels.height; ++y) {
        const QRgb *row = m_pixels.row(y);
        for (int x = 0; x < m_pixels.width; ++x) {
            const quint16 b = band[x];
            if (!(isWanted[b / 64] >> (b % 64) & 1))
                continue;
            const QRgb p = row[x];
            int end = x + 1;
            while (end < m_pixels.width && row[end] == p)
                ++end;
            if (onScreen(p))
                colours[size_t(slotOf[b])].add(p & 0xFFFFFFu, end - x);
            x = end - 1;
        }
        band += m_pixels.width;
    }
    const ChannelTables &lum = channelTables();
    for (size_t i = 0; i < wanted.size(); ++i) {
        std::vector<std::pair<double, qint64>> found;
        colours[i].forEach(
            [&](QRgb c, qint64 n) { found.emplace_back(luminanceOf(lum, qRed(c), qGreen(c), qBlue(c)), n); });
        std::sort(found.begin(), found.end());
        auto exact = std::make_unique<Exact>();
        qint64 upTo = 0;
        for (const auto &[luminance, n] : found) {
            upTo += n;
            // Colours of the same luminance are one entry.
            if (!exact->luminance.empty() && exact->luminance.back() == luminance) {
                exact->upTo.back() = upTo;
                continue;
            }
            exact->luminance.push_back(luminance);
            exact->upTo.push_back(upTo);
        }
        m_exact[size_t(wanted[i])] = std::move(exact);
    }
}

const AreaLuminances::Exact &AreaLuminances::exact(int band) const
{
    if (!m_exact[size_t(band)])
        prepare({band});
    return *m_exact[size_t(band)];
}

} // namespace contrast
