// SPDX-License-Identifier: MIT
// The loupe's update for one pointer move: placing it, reading the pixels around the pointer (from the X
// server when run on one), magnifying them and painting the window.
#include "benchsupport.h"
#include "model/colorpair.h"
#include "platform/messageboxes.h"
#include "screenpick/loupeplacement.h"
#include "screenpick/screenpick.h"
#include "screenpick/screenpicker.h"

#include <QGuiApplication>
#include <QWidget>

namespace {

// Reports the pointer where the benchmark says; reads the screen where the program can, otherwise gives
// a pattern of the same size.
class BenchPicker final : public platform::ScreenPicker
{
public:
    BenchPicker()
    {
        if (QGuiApplication::platformName() == u"xcb")
            m_screen = platform::createGrabScreenPicker();
    }
    void start() override { m_active = true; }
    bool isActive() const override { return m_active; }
    void cancel() override { m_active = false; }
    QImage screenArea(const QRect &device) const override
    {
        if (m_screen)
            return m_screen->screenArea(device);
        QImage area(device.size(), QImage::Format_ARGB32);
        area.fill(qRgb(device.x() & 255, device.y() & 255, 128));
        return area;
    }
    void point(const QPoint &device) { emit pointerAt(device); }

private:
    std::unique_ptr<platform::ScreenPicker> m_screen;
    bool m_active = false;
};

QWidget *loupeWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"Loupe")
            return widget;
    }
    return nullptr;
}

// The pixels of the default level magnified by Qt's own unsmoothed scaling: the least a loupe must do.
double scaledBaselineNs()
{
    const loupe::Level level = loupe::kLevels[loupe::kDefaultLevel];
    QImage area(level.pixels, level.pixels, QImage::Format_ARGB32);
    area.fill(qRgb(10, 20, 30));
    const int side = level.pixels * level.magnification;
    return medianNanoseconds([&] {
        const QImage scaled = area.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    });
}

void BM_LoupeFollowsOnePointerMove(benchmark::State &state)
{
    ColorPair pair;
    BenchPicker picker;
    platform::QtMessageBoxes messages;
    Services services;
    services.messages = &messages;
    services.screenPicker = &picker;
    QWidget window;
    ScreenPick pick(pair, services, window);
    pick.start();
    picker.point(QPoint(400, 300));
    QWidget *loupe = loupeWindow();
    int step = 0;
    const auto move = [&] {
        // One device pixel at a time along a line, so that the loupe moves with every step.
        picker.point(QPoint(400 + step % 600, 300 + (step / 600) % 200));
        ++step;
        loupe->repaint();
    };
    const double goal = state.range(0) ? 2'000'000 : scaledBaselineNs();
    reportAgainst(state, goal, move);
    pick.cancel();
}

} // namespace

// Against Qt's unsmoothed scaling of the same pixels, and against the 2 ms goal.
BENCHMARK(BM_LoupeFollowsOnePointerMove)->Arg(0)->Arg(1);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
