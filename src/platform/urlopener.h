// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

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

// Runs program with url as its one argument, never through a command shell, and waits up to
// waitMs for it to end. An opener still running then is left running and cleans up after itself.
LaunchOutcome runUrlOpener(const QString &program, const QString &url, int waitMs);

// The Windows shell's result code for an outcome of xdg-open: above 32 when the page was handed
// to a browser, 31 when nothing can open it, 8 when the system lacks resources, 2 when the
// address names a missing file, 0 for any other failure.
qint32 shellCodeForXdgOpen(const LaunchOutcome &outcome);

} // namespace platform
