// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

namespace platform {

// What became of one run of a desktop URL opener such as xdg-open.
struct LaunchOutcome
{
    enum class Kind {
        NotInstalled,  // no such program on the search path
        FailedToStart, // found, but the system would not start it
        StillRunning,  // had not ended when the wait ran out; left to run on
        Finished,      // ended normally with exitCode
        Crashed,       // ended by a signal
    };
    Kind kind = Kind::NotInstalled;
    int exitCode = 0;
};

// Starts program with url as its one argument, never through a command shell, and returns at once, so
// that the windows stay responsive. done is called once, from the event loop: when the program ends, or
// after waitMs if it is still running then (it is left to run on and cleans up after itself). A program
// that is not installed is reported before this returns.
void startUrlOpener(const QString &program, const QString &url, int waitMs,
                    std::function<void(const LaunchOutcome &)> done);

// The Windows shell's result code for an outcome of xdg-open: above 32 when the page was handed
// to a browser, 31 when nothing can open it, 8 when the system lacks resources, 2 when the
// address names a missing file, 0 for any other failure.
qint32 shellCodeForXdgOpen(const LaunchOutcome &outcome);

} // namespace platform
