// SPDX-License-Identifier: MIT
// Painting and picking in the main window, against the cost of filling the same pictures.
#include "app/frmmain.h"
#include "benchsupport.h"
#include "platform/services.h"

#include <QImage>
#include <QMouseEvent>

#include <memory>

struct FrmMainBenchAccess
{
    static void drawColorPlane(frmMain &w, qint16 base) { w.DrawColorPlane(base, 0, 0, 255, 255); }
    static void drawSwatches(frmMain &w) { w.DrawSwatches(); }
    static void loadColor(frmMain &w) { w.LoadColor(w.editedColor()); }
};

namespace {

frmMain &window()
{
    static std::unique_ptr<frmMain> w = [] {
        auto created = std::make_unique<frmMain>(systemServices());
        created->Form_Load();
        return created;
    }();
    return *w;
}

// The floor for painting a picture: filling an image of the same size with one colour.
double fillBaselineNs(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    quint32 colour = 0;
    return medianNanoseconds([&] { image.fill(++colour); });
}

void BM_FillPlaneBaseline(benchmark::State &state)
{
    QImage image(256, 256, QImage::Format_RGB32);
    quint32 colour = 0;
    reportAgainst(state, fillBaselineNs({256, 256}), [&] { image.fill(++colour); });
}

void BM_DrawColorPlane(benchmark::State &state)
{
    frmMain &w = window();
    qint16 base = 0;
    reportAgainst(state, fillBaselineNs({256, 256}),
                  [&] { FrmMainBenchAccess::drawColorPlane(w, base++ & 255); });
}

void BM_DrawSwatches(benchmark::State &state)
{
    frmMain &w = window();
    const double sixteenFills = 16 * fillBaselineNs({65, 65});
    reportAgainst(state, sixteenFills, [&] { FrmMainBenchAccess::drawSwatches(w); });
}

void BM_LoadColor(benchmark::State &state)
{
    frmMain &w = window();
    const double frame = 1e9 / 60;
    reportAgainst(state, frame, [&] { FrmMainBenchAccess::loadColor(w); });
}

// From the release of the mouse button to readouts, marker and sample all updated.
void BM_PickFromMouseRelease(benchmark::State &state)
{
    frmMain &w = window();
    QWidget *plane = w.findChild<QWidget *>(QStringLiteral("picGraphic"));
    const double frame = 1e9 / 60;
    int step = 0;
    reportAgainst(state, frame, [&] {
        const QPointF at((step * 37) % 256, (step * 91) % 256);
        ++step;
        QMouseEvent release(QEvent::MouseButtonRelease, at, plane->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(plane, &release);
    });
}

} // namespace

BENCHMARK(BM_FillPlaneBaseline);
BENCHMARK(BM_DrawColorPlane);
BENCHMARK(BM_DrawSwatches);
BENCHMARK(BM_LoadColor);
BENCHMARK(BM_PickFromMouseRelease);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
