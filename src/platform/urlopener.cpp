// SPDX-License-Identifier: MIT
#include "platform/urlopener.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

namespace platform {

namespace {

// One run of an opener. It reports once, when the opener ends or the wait runs out, whichever comes first,
// and lives on until the opener ends: some openers only end when the browser they started closes, and
// destroying a running QProcess would kill the opener.
class OpenerRun : public QObject
{
public:
    explicit OpenerRun(std::function<void(const LaunchOutcome &)> done)
        : QObject(QCoreApplication::instance()), m_done(std::move(done))
    {
        connect(&m_process, &QProcess::finished, this, &OpenerRun::finished);
        connect(&m_process, &QProcess::errorOccurred, this, &OpenerRun::failed);
        connect(&m_wait, &QTimer::timeout, this, &OpenerRun::waitedLongEnough);
    }

    void start(const QString &path, const QString &url, int waitMs)
    {
        m_process.setProgram(path);
        m_process.setArguments({url});
        m_process.setStandardInputFile(QProcess::nullDevice());
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_wait.setSingleShot(true);
        m_wait.start(waitMs);
        m_process.start();
    }

private:
    void finished(int exitCode, QProcess::ExitStatus status)
    {
        report(status == QProcess::CrashExit ? LaunchOutcome{LaunchOutcome::Kind::Crashed}
                                             : LaunchOutcome{LaunchOutcome::Kind::Finished, exitCode});
        deleteLater();
    }

    void failed(QProcess::ProcessError error)
    {
        // Every other error is followed by finished().
        if (error != QProcess::FailedToStart)
            return;
        report({LaunchOutcome::Kind::FailedToStart});
        deleteLater();
    }

    void waitedLongEnough() { report({LaunchOutcome::Kind::StillRunning}); }

    void report(const LaunchOutcome &outcome)
    {
        m_wait.stop();
        // Taken out first: done may show a message box, whose event loop may deliver the other signals.
        if (auto done = std::exchange(m_done, nullptr))
            done(outcome);
    }

    QProcess m_process{this};
    QTimer m_wait{this};
    std::function<void(const LaunchOutcome &)> m_done;
};

} // namespace

void startUrlOpener(const QString &program, const QString &url, int waitMs,
                    std::function<void(const LaunchOutcome &)> done)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        done({LaunchOutcome::Kind::NotInstalled});
        return;
    }
    (new OpenerRun(std::move(done)))->start(path, url, waitMs);
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
