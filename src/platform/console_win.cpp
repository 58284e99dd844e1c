// SPDX-License-Identifier: MIT
#include "platform/console.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

#include <windows.h>

// After windows.h, which it needs.
#include <shellapi.h>

namespace platform {

namespace {

bool connected(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void useParentConsole()
{
    const bool output = connected(STD_OUTPUT_HANDLE);
    const bool error = connected(STD_ERROR_HANDLE);
    // Only the parent's console: a console of our own would flash up and vanish with the program.
    if ((!output || !error) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!output && std::freopen("CONOUT$", "w", stdout))
            SetStdHandle(STD_OUTPUT_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout))));
        if (!error && std::freopen("CONOUT$", "w", stderr))
            SetStdHandle(STD_ERROR_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stderr))));
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

QStringList commandLineArguments(int argc, char *argv[])
{
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        return arguments;
    }
    QStringList arguments;
    for (int i = 0; i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return arguments;
}

} // namespace platform
