// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

// Benchmarks run without a display and keep away from the user's saved colours.
inline int runBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Median nanoseconds of one call of work, over repeated timed batches.
template <typename Work> double medianNanoseconds(Work &&work, int batches = 31, int perBatch = 20)
{
    std::vector<double> times;
    for (int b = 0; b < batches; ++b) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < perBatch; ++i)
            work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::nano>(end - start).count() / perBatch);
    }
    std::nth_element(times.begin(), times.begin() + batches / 2, times.end());
    return times[batches / 2];
}

// Runs work in the benchmark loop and reports its median time as a ratio to baselineNs.
template <typename Work> void reportAgainst(benchmark::State &state, double baselineNs, Work &&work)
{
    for (auto _ : state)
        work();
    const double ours = medianNanoseconds(work, 15, 4);
    state.counters["median_us"] = ours / 1000.0;
    state.counters["baseline_us"] = baselineNs / 1000.0;
    state.counters["ratio"] = ours / baselineNs;
}
