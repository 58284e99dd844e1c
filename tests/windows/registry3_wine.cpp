// SPDX-License-Identifier: MIT
// Runs the string store's shared cases over the real Win32 registry, as a plain program that needs no Qt:
// one line per case, then "N passed, N failed"; the exit code is 1 when any case failed.

#include "platform/registry.h"
#include "settings/registry3.h"
#include "settings/registry3cases.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

const std::string kTestRoot = "Software\\Quenby Systems Test";

// A key of this run alone, so that runs side by side (or a run left over) never meet.
std::string uniqueKey()
{
    return kTestRoot + "\\registry3-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64());
}

// What only the Win32 registry can tell: the type the store gives its values.
std::vector<std::string> storedAsString(platform::Registry &registry, const std::string &key)
{
    std::vector<std::string> failures;
    Registry3::RegWriteString(registry, platform::kHkeyCurrentUser, key, "Params",
                              registry3cases::kParamsDefault);
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return {"the key was not created"};
    DWORD type = 0;
    char data[64] = {};
    DWORD size = sizeof data;
    const LONG result =
        RegQueryValueExA(opened, "Params", nullptr, &type, reinterpret_cast<BYTE *>(data), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS)
        failures.push_back("reading the value gave result " + std::to_string(result));
    else if (type != REG_SZ)
        failures.push_back("type " + std::to_string(type) + ", expected REG_SZ (1)");
    else if (std::string(data, size) != registry3cases::kParamsDefault + '\0')
        failures.push_back("data " + registry3cases::quoted(std::string(data, size)));
    return failures;
}

struct Tally
{
    int passed = 0;
    int failed = 0;

    void report(const std::string &name, const std::vector<std::string> &failures)
    {
        std::printf("%s %s\n", failures.empty() ? "PASS" : "FAIL", name.c_str());
        for (const std::string &failure : failures)
            std::printf("    %s\n", failure.c_str());
        ++(failures.empty() ? passed : failed);
    }
};

} // namespace

int main()
{
    // Plain line ends: the lines are read by scripts, also under Wine.
    _setmode(_fileno(stdout), _O_BINARY);
    platform::Registry &registry = platform::systemRegistry();
    const std::string base = uniqueKey();
    std::printf("registry key HKEY_CURRENT_USER\\%s\n", base.c_str());
    std::printf("system text for success: %s\n", registry3cases::quoted(registry.systemMessage(0)).c_str());

    Tally tally;
    const auto &cases = registry3cases::cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string key = base + "\\" + std::to_string(i);
        tally.report(cases[i].name, registry3cases::run(cases[i], registry, key));
    }
    tally.report("values are stored as REG_SZ with their terminator",
                 storedAsString(registry, base + "\\type"));

    // Leave nothing behind: this run's key, and the parent too once no other run uses it.
    std::vector<std::string> cleanup;
    if (const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str()); result != ERROR_SUCCESS)
        cleanup.push_back("deleting the key gave result " + std::to_string(result));
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestRoot.c_str());
    HKEY left = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, base.c_str(), 0, KEY_QUERY_VALUE, &left) == ERROR_SUCCESS) {
        RegCloseKey(left);
        cleanup.push_back("the key is still there");
    }
    tally.report("the run's key is deleted", cleanup);

    std::printf("%d passed, %d failed\n", tally.passed, tally.failed);
    return tally.failed == 0 ? 0 : 1;
}
