// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

class AppExit;

// Asks for the program's work to be saved when the program is told to end from outside: by SIGTERM or
// SIGHUP, after which it ends the program, and by the end of the desktop session, after which the
// session manager ends it.
class Termination : public QObject
{
    Q_OBJECT

public:
    // Watches from now on until destroyed; one at a time.
    explicit Termination(AppExit &exit, QObject *parent = nullptr);
    ~Termination() override;

signals:
    // Emitted on this object's thread, never inside a signal handler.
    void saveRequested();

private:
    void signalArrived();

    AppExit &m_exit;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace platform
