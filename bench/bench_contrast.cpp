// SPDX-License-Identifier: MIT
// Contrast figures: the panel's update, the threshold lines and the nearest passing colour.
#include "benchsupport.h"
#include "contrast/nearest.h"
#include "contrastpanel/contrastpanel.h"
#include "thresholds/thresholdimages.h"

#include <QImage>

#include <ctime>
#include <random>

namespace {

// The plane painted as the main window paints it: one scanLine pass over 256 x 256 points.
double planePaintNs()
{
    QImage image(256, 256, QImage::Format_RGB32);
    int base = 0;
    return medianNanoseconds([&] {
        const quint32 baseBits = 0xFF000000u | quint32(++base & 255) << 8;
        for (int y = 0; y < 256; ++y) {
            auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
            const quint32 rowBits = baseBits | quint32(y) << 16;
            for (int x = 0; x < 256; ++x)
                line[x] = rowBits | quint32(x);
        }
        benchmark::DoNotOptimize(image.constBits());
    });
}

std::vector<std::pair<QRgb, QRgb>> randomPairs(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<quint32> colour(0, 0xFFFFFF);
    std::vector<std::pair<QRgb, QRgb>> pairs;
    for (int i = 0; i < count; ++i)
        pairs.emplace_back(0xFF000000u | colour(random), 0xFF000000u | colour(random));
    return pairs;
}

void BM_PanelUpdate(benchmark::State &state)
{
    ContrastPanel panel;
    const auto pairs = randomPairs(256, 1);
    size_t i = 0;
    const double budget = 100'000; // nanoseconds
    reportAgainst(state, budget, [&] {
        const auto &[background, foreground] = pairs[i++ % pairs.size()];
        panel.showColors(background, foreground);
    });
}

void BM_OverlayPlaneAndSwatches(benchmark::State &state)
{
    int step = 0;
    reportAgainst(state, planePaintNs(), [&] {
        const QRgb other = 0xFF000000u | quint32(step++ * 0x10305);
        QImage plane = thresholds::planeOverlay(1, step & 255, other);
        benchmark::DoNotOptimize(plane.constBits());
        for (int i = 0; i < 16; ++i) {
            QImage swatch = thresholds::swatchOverlay(1, i, other);
            benchmark::DoNotOptimize(swatch.constBits());
        }
    });
}

double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// Every pair timed on its own: the median and the worst of 1,000 random pairs, on the clock and in the
// thread's own processor time (the clock also counts time the system gave to other programs).
void BM_NearestPassing(benchmark::State &state)
{
    const double threshold = double(state.range(0)) / 10.0;
    const auto pairs = randomPairs(1000, 7);
    std::vector<double> times, cpuTimes;
    for (auto _ : state) {
        times.clear();
        cpuTimes.clear();
        for (const auto &[edited, other] : pairs) {
            const double cpuStart = threadMicroseconds();
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(contrast::nearestPassing(edited, other, threshold));
            times.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            cpuTimes.push_back(threadMicroseconds() - cpuStart);
        }
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    const double frame = 1e6 / 60;
    state.counters["median_us"] = times[times.size() / 2];
    state.counters["worst_us"] = times.back();
    state.counters["worst_cpu_us"] = cpuTimes.back();
    state.counters["worst_per_frame"] = times.back() / frame;
    state.counters["worst_cpu_per_frame"] = cpuTimes.back() / frame;
}

// Every colour tried: what the search saves, and a check on more pairs than the tests afford.
void BM_NearestByTryingAll(benchmark::State &state)
{
    const auto pairs = randomPairs(int(state.range(0)), 11);
    int disagreements = 0;
    for (auto _ : state) {
        for (const auto &[edited, other] : pairs) {
            for (double threshold : contrast::kOverlayThresholds) {
                if (contrast::nearestPassingByTryingAll(edited, other, threshold) !=
                    contrast::nearestPassing(edited, other, threshold))
                    ++disagreements;
            }
        }
    }
    state.counters["searches"] = double(3 * pairs.size());
    state.counters["disagreements"] = disagreements;
}

} // namespace

BENCHMARK(BM_PanelUpdate);
BENCHMARK(BM_OverlayPlaneAndSwatches);
BENCHMARK(BM_NearestPassing)->Arg(30)->Arg(45)->Arg(70)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NearestByTryingAll)->Arg(1)->Arg(12)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
