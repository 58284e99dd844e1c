// SPDX-License-Identifier: MIT
// The list of pairs with 1,000 pairs of long names, each figure against its goal and against what Qt or the
// store costs for the same work: opening the window (a table of the same 1,000 rows of text), filtering at a
// key (Qt's own filter model over the same rows), loading a pair (swapping the pair, which the main window
// follows the same way) and saving the store (saving Params alone, as the program always has).
#include "app/frmmain.h"
#include "benchsupport.h"
#include "pairs/pairstore.h"
#include "pairswindow/pairscontroller.h"
#include "pairswindow/pairswindow.h"
#include "platform/messageboxes.h"
#include "platform/services.h"
#include "settings/storedvalues.h"
#include "store/registry_portable.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kPairs = 1000;

// A benchmark must never wait on a box.
class NoMessages final : public platform::MessageBoxes
{
public:
    void show(QWidget *, const QString &text, const QString &, platform::MessageIcon) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
};

NamedPairs thousandPairs()
{
    NamedPairs pairs;
    for (int i = 0; i < kPairs; ++i) {
        const QRgb background = 0xFF000000u | QRgb(i * 2654435761u & 0xFFFFFFu);
        pairs.append({QStringLiteral("Section %1: body text on the card of the pricing page, großer Titel, "
                                     "with a long name")
                          .arg(i),
                      {background, i % 3},
                      {~background | 0xFF000000u, (i + 1) % 3}});
    }
    return pairs;
}

// A store file of its own holding 1,000 pairs, and the services that use it.
struct Fixture
{
    QTemporaryDir folder;
    platform::PortableRegistry registry{folder.filePath(QStringLiteral("registry.ini"))};
    Settings settings{&registry};
    NoMessages messages;
    Services services;

    Fixture()
    {
        services = systemServices();
        services.registry = &registry;
        services.messages = &messages;
        if (!pairstore::save(settings, thousandPairs()).starts_with('0'))
            qFatal("the pairs could not be stored");
    }
};

void showAndPaint(QWidget &w)
{
    if (!w.isVisible())
        w.show();
    w.repaint();
    QCoreApplication::processEvents();
}

QTableView *tableOf(QWidget &window)
{
    return window.findChild<QTableView *>(QStringLiteral("lstPairs"));
}

// Qt's own table of the same rows: five texts each.
double tableWidgetNs()
{
    const NamedPairs pairs = thousandPairs();
    return medianNanoseconds(
        [&] {
            QTableWidget table(kPairs, 5);
            table.resize(440, 480);
            table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            for (int r = 0; r < kPairs; ++r) {
                table.setItem(r, 0, new QTableWidgetItem(pairs[r].name));
                for (int c = 1; c < 5; ++c)
                    table.setItem(r, c, new QTableWidgetItem(QStringLiteral("4.52:1")));
            }
            showAndPaint(table);
        },
        9, 2);
}

void BM_OpenWindowWithThousandPairs(benchmark::State &state)
{
    Fixture f;
    ColorPair pair;
    const auto open = [&] {
        QWidget host;
        host.resize(619, 547);
        PairsController pairs(pair, f.services, f.settings, host);
        pairs.setWindowShown(true);
        showAndPaint(pairs.window());
    };
    reportAgainst(state, 50e6, open);
    const double qt = tableWidgetNs();
    state.counters["qt_table_ms"] = qt / 1e6;
    state.counters["ratio_to_qt_table"] = state.counters["median_us"] * 1000.0 / qt;
}

// Alternately one letter typed and taken back: all rows, then the few that hold it, then all again.
template <typename Filter> double keyNs(QWidget &shown, Filter &&filter)
{
    int key = 0;
    return medianNanoseconds([&] {
        filter(key++ % 2 == 0 ? QStringLiteral("7") : QString());
        shown.repaint();
    });
}

void BM_FilterOneKey(benchmark::State &state)
{
    Fixture f;
    ColorPair pair;
    QWidget host;
    PairsController pairs(pair, f.services, f.settings, host);
    pairs.setWindowShown(true);
    showAndPaint(pairs.window());
    auto *filter = pairs.window().findChild<QLineEdit *>(QStringLiteral("txbFilter"));
    QWidget *rows = tableOf(pairs.window())->viewport();
    const auto ours = [&](const QString &text) { filter->setText(text); };
    for (auto _ : state)
        ours(filter->text().isEmpty() ? QStringLiteral("7") : QString());

    // Qt's filter model over a model of the same rows, in a table of the same size.
    QStandardItemModel model(kPairs, 5);
    const NamedPairs all = thousandPairs();
    for (int r = 0; r < kPairs; ++r)
        model.setItem(r, 0, new QStandardItem(all[r].name));
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    QTableView table;
    table.setModel(&proxy);
    table.resize(440, 380);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    showAndPaint(table);
    const double qt =
        keyNs(*table.viewport(), [&](const QString &text) { proxy.setFilterFixedString(text); });
    const double goal = 16e6;
    const double oursNs = keyNs(*rows, ours);
    state.counters["median_us"] = oursNs / 1000.0;
    state.counters["goal_us"] = goal / 1000.0;
    state.counters["ratio"] = oursNs / goal;
    state.counters["qt_filter_us"] = qt / 1000.0;
    state.counters["ratio_to_qt_filter"] = oursNs / qt;
}

void BM_LoadPair(benchmark::State &state)
{
    Fixture f;
    frmMain window(f.services);
    window.Form_Load();
    showAndPaint(window);
    ColorPair &pair = window.colorPair();
    PairsController pairs(pair, f.services, f.settings, window);
    qsizetype row = 0;
    const auto load = [&] {
        pairs.book().load(row++ % kPairs);
        QCoreApplication::processEvents();
    };
    const auto swap = [&] {
        PairState s = pair.state();
        std::swap(s.colors[0], s.colors[1]);
        pair.setState(s);
        QCoreApplication::processEvents();
    };
    reportAgainst(state, 16e6, load);
    const double swapNs = medianNanoseconds(swap);
    state.counters["swap_us"] = swapNs / 1000.0;
    state.counters["ratio_to_swap"] = state.counters["median_us"] * 1000.0 / swapNs;
}

void BM_SaveStore(benchmark::State &state)
{
    Fixture f;
    ColorPair pair;
    QWidget host;
    PairsController pairs(pair, f.services, f.settings, host);
    int n = 0;
    // A rename of the last pair: the whole list is stored again.
    const auto save = [&] { pairs.book().rename(kPairs - 1, QStringLiteral("Renamed %1").arg(n++)); };
    reportAgainst(state, 20e6, save);

    // Params alone, in a store of its own, as every Save writes it.
    QTemporaryDir folder;
    platform::PortableRegistry today(folder.filePath(QStringLiteral("registry.ini")));
    const auto params = [&] {
        storedvalues::write(&today, {{storedvalues::kParams, n++ % 2 ? "001 064 128 192 002 224 224 224 "
                                                                     : "000 005 000 255 002 224 224 224 "}});
    };
    const double paramsNs = medianNanoseconds(params, 31, 4);
    state.counters["params_save_us"] = paramsNs / 1000.0;
    state.counters["ratio_to_params_save"] = state.counters["median_us"] * 1000.0 / paramsNs;
    state.counters["store_kib"] = double(QFileInfo(f.registry.filePath()).size()) / 1024.0;
}

} // namespace

BENCHMARK(BM_OpenWindowWithThousandPairs)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FilterOneKey)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_LoadPair)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SaveStore)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
