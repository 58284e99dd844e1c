// SPDX-License-Identifier: MIT
// Writes every one of the 16,777,216 colours in every form and pastes each text back: prints, per form,
// how many texts did not give back their colour and the longest text, then the time taken. Exit code 1
// when any text failed. Usage: formsroundtrip [threads]
#include "color/colorparse.h"
#include "forms/colorforms.h"

#include <QString>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

struct Tally
{
    std::vector<quint64> failures;
    std::vector<QString> longest;
    QRgb firstFailure = 0;
};

void check(quint32 from, quint32 to, Tally &tally)
{
    const qsizetype forms = colorforms::formNames().size();
    for (quint32 value = from; value < to; ++value) {
        const QRgb rgb = 0xFF000000u | value;
        for (int form = 0; form < forms; ++form) {
            const QString text = colorforms::write(form, rgb);
            const colorparse::ParsedColors parsed = colorparse::parseColorText(text);
            if (parsed.count != 1 || parsed.colors[0] != rgb || parsed.transparencyIgnored) {
                if (tally.failures[form]++ == 0 && tally.firstFailure == 0)
                    tally.firstFailure = rgb;
            }
            if (text.size() > tally.longest[form].size())
                tally.longest[form] = text;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    const int threads =
        argc > 1 ? std::max(1, std::atoi(argv[1])) : int(std::max(1u, std::thread::hardware_concurrency()));
    const qsizetype forms = colorforms::formNames().size();
    std::vector<Tally> tallies(threads, Tally{std::vector<quint64>(forms), std::vector<QString>(forms)});
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    constexpr quint32 kColours = 1u << 24;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back(check, quint32(quint64(kColours) * t / threads),
                             quint32(quint64(kColours) * (t + 1) / threads), std::ref(tallies[t]));
    }
    for (std::thread &worker : workers)
        worker.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    quint64 total = 0;
    for (qsizetype form = 0; form < forms; ++form) {
        quint64 failures = 0;
        QString longest;
        for (const Tally &tally : tallies) {
            failures += tally.failures[form];
            if (tally.longest[form].size() > longest.size())
                longest = tally.longest[form];
        }
        total += failures;
        std::printf("%-10s %10llu failed  longest: %s\n", qPrintable(colorforms::formNames()[form]),
                    static_cast<unsigned long long>(failures), qPrintable(longest));
    }
    for (const Tally &tally : tallies) {
        if (tally.firstFailure != 0)
            std::printf("first failing colour: #%06X\n", tally.firstFailure & 0xFFFFFFu);
    }
    std::printf("%u colours x %lld forms = %llu texts, %llu failed, %.1f s on %d threads\n", kColours,
                static_cast<long long>(forms),
                static_cast<unsigned long long>(quint64(kColours) * quint64(forms)),
                static_cast<unsigned long long>(total), seconds, threads);
    return total == 0 ? 0 : 1;
}
