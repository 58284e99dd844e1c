// SPDX-License-Identifier: MIT
// Start-up of the main window, from construction until shown and painted, against Qt's own colour dialog.
#include "app/frmmain.h"
#include "benchsupport.h"
#include "platform/services.h"

#include <QColorDialog>

#include <memory>

namespace {

// The same steps for both windows: show, paint everything now, and let the window system settle.
void showAndPaint(QWidget &w)
{
    if (!w.isVisible())
        w.show();
    w.repaint();
    QCoreApplication::processEvents();
}

void startColorDialog()
{
    QColorDialog dialog(QColor(64, 128, 192));
    showAndPaint(dialog);
}

void startMainWindow()
{
    frmMain window(systemServices());
    window.Form_Load(); // draws the pictures, then shows the window
    showAndPaint(window);
    window.hide();
}

void BM_ColorDialogStartup(benchmark::State &state)
{
    for (int i = 0; i < 3; ++i)
        startColorDialog();
    reportAgainst(state, medianNanoseconds(startColorDialog, 15, 4), startColorDialog);
}

void BM_MainWindowStartup(benchmark::State &state)
{
    for (int i = 0; i < 3; ++i)
        startMainWindow();
    reportAgainst(state, medianNanoseconds(startColorDialog, 15, 4), startMainWindow);
}

} // namespace

BENCHMARK(BM_ColorDialogStartup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainWindowStartup)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
