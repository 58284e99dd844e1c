// SPDX-License-Identifier: MIT
#include "platform/termination.h"

#include "platform/appexit.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace platform {

namespace {

// A handler may do almost nothing safely; it only wakes the event loop through this pipe.
int g_pipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};
// What each signal did before, given back when watching ends; a signal left ignored is not watched.
struct sigaction g_previous[std::size(kSignals)];
bool g_watched[std::size(kSignals)];

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

Termination::Termination(AppExit &exit, std::function<bool()> save, QObject *parent)
    : QObject(parent), m_exit(exit), m_save(std::move(save))
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &Termination::signalArrived);
        struct sigaction action
        {
        };
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            g_watched[i] = ::sigaction(kSignals[i], nullptr, &g_previous[i]) == 0 &&
                           g_previous[i].sa_handler != SIG_IGN &&
                           ::sigaction(kSignals[i], &action, nullptr) == 0;
        }
    }
#ifndef QT_NO_SESSIONMANAGER
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this] { m_save(); });
#endif
}

Termination::~Termination()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (g_watched[i])
            ::sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void Termination::signalArrived()
{
    char drained[16];
    while (::read(g_pipe[0], drained, sizeof drained) > 0) {
    }
    m_exit.endProgram(m_save() ? 0 : 1);
}

void keepRunningPastFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace platform
