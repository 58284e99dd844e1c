// SPDX-License-Identifier: MIT
#include "platform/shell.h"

#include "platform/urlopener.h"

namespace platform {

// Long enough for xdg-open to hand the page to a running browser; an opener that waits for a
// newly started browser to close is taken as having succeeded when this runs out.
static constexpr int kOpenerWaitMs = 3000;

qint32 SystemShell::open(const QString &url)
{
    return shellCodeForXdgOpen(runUrlOpener(QStringLiteral("xdg-open"), url, kOpenerWaitMs));
}

Shell &systemShell()
{
    static SystemShell shell;
    return shell;
}

} // namespace platform
