// SPDX-License-Identifier: MIT
// --check-pairs on the design tokens of 5,000 pairs (what --export-pairs json writes), from reading the file
// to the printed table, against the 100 ms goal of a build step and against reading the same file and
// parsing it with Qt's own JSON reader (the floor of any check of it); and the same for the CSS export.
#include "benchsupport.h"
#include "pairs/checkcommand.h"
#include "pairs/pairformats.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace {

constexpr int kPairs = 5000;

NamedPairs manyPairs()
{
    NamedPairs pairs;
    for (int i = 0; i < kPairs; ++i) {
        const QRgb background = 0xFF000000u | QRgb(i * 2654435761u & 0xFFFFFFu);
        pairs.append({QStringLiteral("Component %1 label on surface").arg(i),
                      {background, 1},
                      {0xFF000000u | QRgb((i * 40503u) & 0xFFFFFFu), 2}});
    }
    return pairs;
}

QString written(const QTemporaryDir &folder, const char *name, const QString &text)
{
    const QString path = folder.filePath(QLatin1StringView(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        qFatal("the file could not be written");
    return path;
}

double readAndParseNs(const QString &path)
{
    return medianNanoseconds(
        [&] {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                qFatal("the file could not be read");
            benchmark::DoNotOptimize(QJsonDocument::fromJson(file.readAll()));
        },
        9, 2);
}

void check(benchmark::State &state, pairformats::Format format, const char *name)
{
    QTemporaryDir folder;
    const QString path = written(folder, name, pairformats::write(format, manyPairs()));
    const QString json =
        written(folder, "floor.json", pairformats::write(pairformats::Format::Json, manyPairs()));
    const auto work = [&] {
        const checkcommand::Outcome outcome = checkcommand::run(QStringLiteral("bench"), nullptr, {path}, {});
        if (outcome.exitCode == 2)
            qFatal("%s", qPrintable(outcome.standardError));
        benchmark::DoNotOptimize(outcome);
    };
    reportAgainst(state, 100e6, work);
    const double floor = readAndParseNs(json);
    state.counters["qjson_ms"] = floor / 1e6;
    state.counters["ratio_to_qjson"] = state.counters["median_us"] * 1000.0 / floor;
}

void BM_CheckDesignTokens(benchmark::State &state)
{
    check(state, pairformats::Format::Json, "pairs.json");
}

void BM_CheckCss(benchmark::State &state)
{
    check(state, pairformats::Format::Css, "pairs.css");
}

} // namespace

BENCHMARK(BM_CheckDesignTokens)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CheckCss)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
