// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace platform {

class AppExit;

// Saves the program's work when the program is told to end from outside: by SIGTERM, SIGHUP, SIGINT or
// SIGQUIT, after which it ends the program, with exit code 1 when the save failed; and by the end of the
// desktop session, after which the session manager ends it. A signal that was ignored when the program
// started (nohup, a background job of a script) stays ignored.
class Termination : public QObject
{
    Q_OBJECT

public:
    // Watches from now on until destroyed; one at a time. save runs on this object's thread, never inside
    // a signal handler, and returns whether it succeeded.
    Termination(AppExit &exit, std::function<bool()> save, QObject *parent = nullptr);
    ~Termination() override;

private:
    void signalArrived();

    AppExit &m_exit;
    std::function<bool()> m_save;
    QSocketNotifier *m_notifier = nullptr;
};

// Makes a write past the file-size limit (ulimit -f) fail, to be reported as any failed write is, instead
// of ending the program.
void keepRunningPastFileSizeLimit();

} // namespace platform
