// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// Opens an address with the desktop's default handler, in the manner of the Windows shell.
class Shell
{
public:
    virtual ~Shell() = default;
    // Hands url to the default handler; returns a value above 32 on success, else a failure code
    // of at most 32 (2 not found, 8 out of memory, 31 nothing can open this kind of address).
    virtual qint32 open(const QString &url) = 0;
};

// The desktop's own handler: the Windows shell there, xdg-open elsewhere.
class SystemShell final : public Shell
{
public:
    qint32 open(const QString &url) override;
};

// The program's one real shell.
Shell &systemShell();

} // namespace platform
