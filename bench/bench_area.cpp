// SPDX-License-Identifier: MIT
// Text over an area and one colour against many: analysing a 3840 x 2160 area once the mouse is released,
// against one pass over the same pixels that only sums them; painting the matrix of 100 foregrounds
// against 100 backgrounds, against the 16 ms of a frame and Qt's own table of the same cells as text.
#include "areacheck/areawindow.h"
#include "benchsupport.h"
#include "contrast/areafigures.h"
#include "pairswindow/pairmatrixview.h"
#include "platform/services.h"

#include <QHeaderView>
#include <QPixmapCache>
#include <QTableWidget>

#include <random>

namespace {

// A photograph as far as the analysis can tell: a gradient from dark to light with noise in every channel,
// so that the area holds hundreds of thousands of distinct colours spread over every luminance.
QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> noise(-24, 24);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int level = 255 * x / width;
            const auto channel = [&](int offset) {
                return std::clamp(level + offset + noise(random), 0, 255);
            };
            line[x] = qRgb(channel(0), channel(-30 * y / height), channel(20));
        }
    }
    return image;
}

// The floor of any analysis: one pass that reads every pixel and sums its channels.
double sumPassNs(const QImage &image)
{
    return medianNanoseconds(
        [&] {
            quint64 sum = 0;
            for (int y = 0; y < image.height(); ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    sum += qRed(line[x]) + qGreen(line[x]) + qBlue(line[x]);
            }
            benchmark::DoNotOptimize(sum);
        },
        9, 2);
}

// What the window does when an area is taken: the luminances counted, the figures, the nearest colour at
// the level shown and the magnified area with its marks.
void BM_AreaAnalysis(benchmark::State &state)
{
    const QImage area = photoLike(3840, 2160);
    ColorPair pair;
    pair.setColor(1, qRgb(0x80, 0x80, 0x80));
    Services services;
    AreaWindow window(pair, services, nullptr);
    const QRect device(0, 0, area.width(), area.height());
    const double baseline = sumPassNs(area);
    for (auto _ : state)
        window.setArea(area, device);
    const double ours = medianNanoseconds([&] { window.setArea(area, device); }, 9, 1);
    state.counters["median_ms"] = ours / 1e6;
    state.counters["sum_pass_ms"] = baseline / 1e6;
    state.counters["ratio"] = ours / baseline;
    state.counters["per_50ms_goal"] = ours / 50e6;
}

// The pure core alone, three levels asked: what a change of the foreground or the level costs afterwards.
void BM_AreaNewForeground(benchmark::State &state)
{
    const QImage area = photoLike(3840, 2160);
    const contrast::AreaLuminances luminances(
        contrast::PixelRows{area.constBits(), area.width(), area.height(), area.bytesPerLine()});
    contrast::AreaNearest nearest(luminances);
    quint32 step = 0;
    reportAgainst(state, 1e9 / 60, [&] {
        const QRgb foreground = 0xFF000000u | (++step * 0x01030507u & 0xFFFFFFu);
        benchmark::DoNotOptimize(contrast::areaFigures(luminances, foreground));
        for (const double level : contrast::kAreaLevels)
            benchmark::DoNotOptimize(nearest.nearest(foreground, level));
    });
}

// A hundred pairs, each of its own background and foreground; shift gives other backgrounds.
NamedPairs hundredByHundred(int shift = 0)
{
    NamedPairs pairs;
    for (int i = 0; i < 100; ++i) {
        const QRgb background = 0xFF000000u | QRgb((i + shift) * 2654435761u & 0xFFFFFFu);
        const QRgb foreground = 0xFF000000u | QRgb((i + 7) * 40503u * 40503u & 0xFFFFFFu);
        pairs.append({QStringLiteral("Pair %1").arg(i), {background, 1}, {foreground, 2}});
    }
    return pairs;
}

// The matrix as large as a 3840 x 2160 screen shows it (about 2,400 of its cells), or with every one of its
// 10,000 cells at once, in a view as large as the matrix: painted again (a scroll, a window uncovered), and
// painted first after the pairs are set; Qt's own table of the same cells as text beside it.
void BM_MatrixPaint(benchmark::State &state)
{
    PairMatrixView view;
    view.setPairs(hundredByHundred());
    const QSize matrix(view.verticalHeader()->sizeHint().width() + 100 * view.columnWidth(0) + 4,
                       view.horizontalHeader()->sizeHint().height() + 100 * view.rowHeight(0) + 4);
    const QSize size = state.range(0) ? matrix : QSize(3840, 2160);
    view.resize(size);
    view.show();
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&](QWidget &w) {
        w.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    };

    QTableWidget table(100, 100);
    for (QHeaderView *header : {table.horizontalHeader(), table.verticalHeader()})
        header->setSectionResizeMode(QHeaderView::Fixed);
    table.horizontalHeader()->setDefaultSectionSize(view.columnWidth(0));
    table.verticalHeader()->setDefaultSectionSize(view.rowHeight(0));
    for (int r = 0; r < 100; ++r)
        for (int c = 0; c < 100; ++c)
            table.setItem(r, c, new QTableWidgetItem(QStringLiteral("4.52 \u2713")));
    table.resize(size);
    table.show();
    const double qt = medianNanoseconds([&] { paint(table); }, 9, 1);

    // The first paint of a view just made, with the list worked out into cells and every picture the cells
    // need drawn: once for each Color pairs window, which keeps its matrix and gives it each new list. The
    // pictures kept of the scroll bars are dropped too: the first paint draws them.
    const double first = medianNanoseconds(
        [&] {
            QPixmapCache::clear();
            PairMatrixView fresh;
            fresh.resize(size);
            fresh.show();
            fresh.setPairs(hundredByHundred());
            paint(fresh);
        },
        7, 1);
    const double empty = medianNanoseconds(
        [&] {
            QPixmapCache::clear();
            PairMatrixView fresh;
            fresh.resize(size);
            fresh.show();
        },
        7, 1);

    // The list changed while the matrix shows, every background another: cells worked out again, pictures
    // drawn again, the whole view painted.
    int shift = 0;
    const double change = medianNanoseconds(
        [&] {
            view.setPairs(hundredByHundred(++shift % 2));
            paint(view);
        },
        9, 1);
    view.setPairs(hundredByHundred());
    paint(view);

    // The matrix alone, its cells and the ground between them, without Qt's headers and scroll bars.
    const double cells = medianNanoseconds([&] { paint(*view.viewport()); }, 15, 2);

    reportAgainst(state, 16e6, [&] { paint(view); });
    state.counters["first_paint_ms"] = (first - empty) / 1e6;
    state.counters["list_change_ms"] = change / 1e6;
    state.counters["cells_ms"] = cells / 1e6;
    const QModelIndex last = view.indexAt(view.viewport()->rect().bottomRight() - QPoint(1, 1));
    state.counters["cells_shown"] = last.isValid() ? double((last.row() + 1) * (last.column() + 1)) : 1e4;
    state.counters["qt_table_ms"] = qt / 1e6;
    state.counters["ratio_to_qt_table"] = state.counters["median_us"] * 1000.0 / qt;
}

} // namespace

BENCHMARK(BM_AreaAnalysis)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_AreaNewForeground)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MatrixPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
