// SPDX-License-Identifier: MIT
#include "platform/shell.h"

#include "platform/urlopener.h"

namespace platform {

// Long enough for xdg-open to hand the page to a running browser; an opener that waits for a
// newly started browser to close is taken as having succeeded when this runs out.
static constexpr int kOpenerWaitMs = 3000;

void SystemShell::open(const QString &url, std::function<void(qint32 result)> done)
{
    startUrlOpener(
        QStringLiteral("xdg-open"), url, kOpenerWaitMs,
        [done = std::move(done)](const LaunchOutcome &outcome) { done(shellCodeForXdgOpen(outcome)); });
}

Shell &systemShell()
{
    static SystemShell shell;
    return shell;
}

} // namespace platform
