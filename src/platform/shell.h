// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

namespace platform {

// Opens an address with the desktop's default handler, in the manner of the Windows shell.
class Shell
{
public:
    virtual ~Shell() = default;
    // Hands url to the default handler and passes done a value above 32 on success, else a failure code
    // of at most 32 (2 not found, 8 out of memory, 31 nothing can open this kind of address). done may
    // run before open returns or later, from the event loop.
    virtual void open(const QString &url, std::function<void(qint32 result)> done) = 0;
};

// The desktop's own handler: the Windows shell there, xdg-open elsewhere.
class SystemShell final : public Shell
{
public:
    void open(const QString &url, std::function<void(qint32 result)> done) override;
};

// The program's one real shell.
Shell &systemShell();

} // namespace platform
