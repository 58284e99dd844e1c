// SPDX-License-Identifier: MIT
#include "platform/urlopener.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

LaunchOutcome runUrlOpener(const QString &program, const QString &url, int waitMs)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return {LaunchOutcome::Kind::NotInstalled};

    // Owned by the application rather than this frame: some openers only end when the browser
    // they started closes, and destroying a running QProcess would kill the opener.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProgram(path);
    process->setArguments({url});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start();
    if (!process->waitForStarted(waitMs)) {
        delete process;
        return {LaunchOutcome::Kind::FailedToStart};
    }
    if (!process->waitForFinished(waitMs)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return {LaunchOutcome::Kind::StillRunning};
    }
    LaunchOutcome outcome{LaunchOutcome::Kind::Finished, process->exitCode()};
    if (process->exitStatus() == QProcess::CrashExit)
        outcome = {LaunchOutcome::Kind::Crashed};
    delete process;
    return outcome;
}

qint32 shellCodeForXdgOpen(const LaunchOutcome &outcome)
{
    constexpr qint32 opened = 42; // the shell promises only "above 32"
    switch (outcome.kind) {
    case LaunchOutcome::Kind::NotInstalled:
        return 31;
    case LaunchOutcome::Kind::FailedToStart:
        return 8;
    case LaunchOutcome::Kind::StillRunning:
        return opened;
    case LaunchOutcome::Kind::Crashed:
        return 0;
    case LaunchOutcome::Kind::Finished:
        break;
    }
    // xdg-open's documented exit codes.
    switch (outcome.exitCode) {
    case 0:
        return opened;
    case 2: // a file named on the command line does not exist
        return 2;
    case 3: // no tool found that could open the address
        return 31;
    case 4: // the desktop's own opener failed, which for a web address means no browser takes it
        return 31;
    default:
        return 0;
    }
}

} // namespace platform
