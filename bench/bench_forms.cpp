// SPDX-License-Identifier: MIT
// One colour in every form, as Copy as lists them, against the 20 us goal and against writing twenty
// texts of three whole numbers (the floor of any form); and pasting each form back.
#include "benchsupport.h"
#include "color/colorparse.h"
#include "forms/colorforms.h"

#include <QString>

#include <random>

namespace {

std::vector<QRgb> randomColours(int count)
{
    std::mt19937 random(23);
    std::uniform_int_distribution<quint32> colour(0, 0xFFFFFF);
    std::vector<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours.push_back(0xFF000000u | colour(random));
    return colours;
}

// Twenty texts like "rgb(64 128 192)": what every form costs at the least.
double floorNs(const std::vector<QRgb> &colours)
{
    size_t i = 0;
    return medianNanoseconds([&] {
        const QRgb rgb = colours[i++ % colours.size()];
        for (int form = 0; form < 20; ++form) {
            QString text = QStringLiteral("rgb(%1 %2 %3)").arg(qRed(rgb)).arg(qGreen(rgb)).arg(qBlue(rgb));
            benchmark::DoNotOptimize(text);
        }
    });
}

void BM_EveryFormOfOneColour(benchmark::State &state)
{
    const std::vector<QRgb> colours = randomColours(4096);
    const qsizetype forms = colorforms::formNames().size();
    size_t i = 0;
    const auto work = [&] {
        const QRgb rgb = colours[i++ % colours.size()];
        for (int form = 0; form < forms; ++form) {
            QString text = colorforms::write(form, rgb);
            benchmark::DoNotOptimize(text);
        }
    };
    const double goal = 20'000; // nanoseconds
    reportAgainst(state, goal, work);
    const double floor = floorNs(colours);
    state.counters["floor_us"] = floor / 1000.0;
    state.counters["ratio_to_floor"] = state.counters["median_us"] * 1000.0 / floor;
}

void BM_PasteEveryFormOfOneColour(benchmark::State &state)
{
    const std::vector<QRgb> colours = randomColours(4096);
    std::vector<QStringList> texts;
    for (const QRgb rgb : colours) {
        QStringList all;
        for (int form = 0; form < colorforms::formNames().size(); ++form)
            all << colorforms::write(form, rgb);
        texts.push_back(all);
    }
    size_t i = 0;
    reportAgainst(state, floorNs(colours), [&] {
        for (const QString &text : texts[i++ % texts.size()])
            benchmark::DoNotOptimize(colorparse::parseColorText(text));
    });
}

} // namespace

BENCHMARK(BM_EveryFormOfOneColour);
BENCHMARK(BM_PasteEveryFormOfOneColour);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
