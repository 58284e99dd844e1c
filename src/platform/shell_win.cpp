// SPDX-License-Identifier: MIT
#include "platform/shell.h"

#include <string>

#include <windows.h>

#include <shellapi.h>

namespace platform {

// The shell's narrow entry point takes text in the system's ANSI code page; characters that
// page lacks become its default character, as they would for any ANSI program.
static std::string toAnsiCodePage(const QString &text)
{
    const std::wstring wide = text.toStdWString();
    if (wide.empty())
        return {};
    const int wideLength = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), wideLength, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), wideLength, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

void SystemShell::open(const QString &url, std::function<void(qint32 result)> done)
{
    const std::string file = toAnsiCodePage(url);
    // No verb: the shell uses the default action for the address, which for a web page is the browser.
    const HINSTANCE result = ShellExecuteA(nullptr, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // The result is a handle only in name; its value is the success flag or the error code.
    done(static_cast<qint32>(reinterpret_cast<INT_PTR>(result)));
}

Shell &systemShell()
{
    static SystemShell shell;
    return shell;
}

} // namespace platform
