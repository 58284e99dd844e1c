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

// Two threads add to one count at once, each with read-modify-writes of its own, as two copies of the
// program would: the store's lock lets none of the additions be lost.
std::vector<std::string> concurrentUpdates(platform::Registry &registry, const std::string &key)
{
    struct Adder
    {
        platform::Registry *registry;
        const std::string *key;
        int failed = 0;
    };
    constexpr int kEach = 150;
    const auto add = [](LPVOID parameter) -> DWORD {
        Adder &adder = *static_cast<Adder *>(parameter);
        for (int i = 0; i < kEach; ++i) {
            const std::string status = Registry3::RegUpdateStrings(
                *adder.registry, platform::kHkeyCurrentUser, *adder.key, {"Count"},
                [](const Registry3::FoundStrings &found) -> std::vector<std::pair<std::string, std::string>> {
                    return {{"Count", std::to_string((found[0] ? std::stoi(*found[0]) : 0) + 1)}};
                });
            adder.failed += status.starts_with('0') ? 0 : 1;
        }
        return 0;
    };
    Adder adders[2] = {{&registry, &key}, {&registry, &key}};
    HANDLE threads[2];
    for (int i = 0; i < 2; ++i)
        threads[i] = CreateThread(nullptr, 0, add, &adders[i], 0, nullptr);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (HANDLE thread : threads)
        CloseHandle(thread);
    std::string count;
    Registry3::RegReadString(registry, platform::kHkeyCurrentUser, key, "Count", count);
    if (adders[0].failed + adders[1].failed > 0)
        return {std::to_string(adders[0].failed + adders[1].failed) + " updates failed"};
    if (count != std::to_string(2 * kEach))
        return {"the count is " + registry3cases::quoted(count) + ", expected " + std::to_string(2 * kEach)};
    return {};
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
    tally.report("updates from two threads at once lose nothing",
                 concurrentUpdates(registry, base + "\\count"));

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
