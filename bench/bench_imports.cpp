// SPDX-License-Identifier: MIT
// Importing a file of 10,000 pairs, as --import-pairs does it up to the store: reading the file, pairing its
// colours, naming the pairs and writing the stored text. Without names each pair becomes "Pair N", and with
// one name for all each export name gets its own "-N"; both against reading the same file and going
// through its lines without pairing, the least any import does, and against the goal of a second.
#include "benchsupport.h"
#include "pairs/pairfiles.h"
#include "pairs/pairformats.h"
#include "pairs/pairimport.h"
#include "pairs/pairlist.h"
#include "pairs/pairstore.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kPairs = 10000;

// The custom properties of a theme without names (--background, --foreground), or all of one name.
QByteArray cssOfPairs(bool named)
{
    QByteArray text = ":root {\n";
    const QByteArray name = named ? "card-" : "";
    for (int i = 0; i < kPairs; ++i) {
        text += "  --" + name + "background: #" + QByteArray::number(0x100000 + i, 16) + ";\n";
        text += "  --" + name + "foreground: #" + QByteArray::number(0xF00000 - i, 16) + ";\n";
    }
    return text + "}\n";
}

void BM_ImportTenThousandPairs(benchmark::State &state)
{
    const bool named = state.range(0) != 0;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("theme.css"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(cssOfPairs(named)) < 0)
        qFatal("the file could not be written");
    file.close();
    QString error;

    const auto read = [&] {
        qsizetype lines = 0;
        const QString text = *pairfiles::read(path, &error);
        for (QStringView line : QStringView(text).tokenize(u'\n'))
            lines += line.isEmpty() ? 0 : 1;
        benchmark::DoNotOptimize(lines);
    };
    NamedPairs imported;
    const auto import = [&] {
        PairList list;
        const QString text = *pairfiles::read(path, &error);
        list.append(pairimport::read(text).pairs);
        benchmark::DoNotOptimize(pairstore::write(list.pairs()));
        imported = list.pairs();
    };
    reportAgainst(state, medianNanoseconds(read, 15, 4), import);
    state.counters["ratio_to_goal"] = state.counters["median_us"] / 1e6;
    if (imported.size() != kPairs)
        qFatal("%d pairs imported", int(imported.size()));
    // The exports name each pair: with one name for all, every name after the first gets its "-N".
    const double exportNs = medianNanoseconds(
        [&] { benchmark::DoNotOptimize(pairformats::write(pairformats::Format::Css, imported)); }, 15, 4);
    state.counters["css_export_us"] = exportNs / 1000.0;
}

} // namespace

BENCHMARK(BM_ImportTenThousandPairs)
    ->ArgName("named")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
