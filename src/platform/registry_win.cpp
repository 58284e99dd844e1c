// SPDX-License-Identifier: MIT
#include "platform/registry.h"

#include <string>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace platform {

namespace {

HKEY toHkey(RegKey key)
{
    return reinterpret_cast<HKEY>(key);
}

RegKey fromHkey(HKEY key)
{
    return reinterpret_cast<RegKey>(key);
}

// Predefined roots are 32-bit values that Windows sign-extends into 64-bit handles
// (HKEY_CURRENT_USER is (HKEY)(ULONG_PTR)(LONG)0x80000001).
HKEY rootHkey(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

class WinRegistry final : public Registry
{
public:
    std::int32_t createKey(std::uint32_t root, const std::string &subKey, RegKey *key,
                           std::uint32_t *disposition) override
    {
        HKEY opened = nullptr;
        DWORD how = 0;
        const LONG result = RegCreateKeyExA(rootHkey(root), subKey.c_str(), 0, nullptr,
                                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened, &how);
        if (key)
            *key = fromHkey(opened);
        if (disposition)
            *disposition = how;
        return result;
    }

    std::int32_t setStringValue(RegKey key, const std::string &name, const std::string &data) override
    {
        return RegSetValueExA(toHkey(key), name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE *>(data.data()), static_cast<DWORD>(data.size()));
    }

    std::int32_t openKey(std::uint32_t root, const std::string &subKey, RegKey *key) override
    {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(rootHkey(root), subKey.c_str(), 0, KEY_QUERY_VALUE, &opened);
        if (key)
            *key = fromHkey(opened);
        return result;
    }

    std::int32_t queryValue(RegKey key, const std::string &name, char *data, std::uint32_t *size) override
    {
        DWORD count = size ? *size : 0;
        const LONG result = RegQueryValueExA(toHkey(key), name.c_str(), nullptr, nullptr,
                                             reinterpret_cast<LPBYTE>(data), size ? &count : nullptr);
        if (size)
            *size = count;
        return result;
    }

    std::int32_t closeKey(RegKey key) override { return RegCloseKey(toHkey(key)); }

    // The registry makes each call whole, but not a read and the write that follows it: the copies of the
    // program take turns through a mutex of the user's session, waited for as long as the store's file lock
    // is elsewhere.
    WriteOutcome updateStringValues(std::uint32_t root, const std::string &subKey,
                                    const std::vector<std::string> &names, const ValueUpdate &update) override
    {
        WriteOutcome outcome;
        const HANDLE mutex = CreateMutexA(nullptr, FALSE, "Local\\Quenby Systems registry store");
        if (!mutex) {
            outcome.keyResult = static_cast<std::int32_t>(GetLastError());
            return outcome;
        }
        // An abandoned mutex was held by a copy that ended; the registry itself is whole.
        const DWORD waited = WaitForSingleObject(mutex, 2000);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
            outcome = Registry::updateStringValues(root, subKey, names, update);
            ReleaseMutex(mutex);
        } else {
            outcome.keyResult = kErrorSharingViolation;
        }
        CloseHandle(mutex);
        return outcome;
    }

    std::string systemMessage(std::int32_t code) override
    {
        char text[100];
        const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                            nullptr, static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
        return std::string(text, length < sizeof text ? length : 0);
    }
};

} // namespace

Registry &systemRegistry()
{
    static WinRegistry registry;
    return registry;
}

} // namespace platform
