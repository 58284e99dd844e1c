// SPDX-License-Identifier: MIT
// Peak memory just after start-up: the program's main window against a minimal program showing Qt's colour
// dialog. Each is measured in a fresh process of this same executable.
#include "app/frmmain.h"
#include "platform/services.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace {

// The peak resident set of this process in KiB, from the kernel's accounting.
long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int measure(const QByteArray &which, int argc, char **argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> shown;
    if (which == "ours") {
        auto window = std::make_unique<frmMain>(systemServices());
        window->Form_Load();
        shown = std::move(window);
    } else {
        shown = std::make_unique<QColorDialog>(QColor(64, 128, 192));
        shown->show();
    }
    shown->repaint();
    QCoreApplication::processEvents();
    std::printf("%ld\n", peakResidentKiB());
    return 0;
}

long child(const QString &which)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {which});
    process.waitForFinished(60000);
    return process.readAllStandardOutput().trimmed().toLong();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 1)
        return measure(QByteArray(argv[1]), argc, argv);

    QCoreApplication app(argc, argv);
    long ours = 0, dialog = 0;
    // The smallest of a few runs, so that one disturbed run does not decide.
    for (int run = 0; run < 5; ++run) {
        const long o = child(QStringLiteral("ours")), d = child(QStringLiteral("dialog"));
        ours = run == 0 ? o : std::min(ours, o);
        dialog = run == 0 ? d : std::min(dialog, d);
    }
    std::printf("peak resident after start-up: main window %ld KiB, colour dialog %ld KiB, ratio %.3f\n",
                ours, dialog, dialog > 0 ? double(ours) / double(dialog) : 0.0);
    return ours > 0 && dialog > 0 ? 0 : 1;
}
