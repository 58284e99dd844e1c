// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Free of Qt, so that the Windows layer and the string store build with nothing but the system's headers.
namespace platform {

// A predefined root key, as the 32-bit value Windows gives it.
inline constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;

// Dispositions reported when a key is created or opened for writing.
inline constexpr std::uint32_t kRegCreatedNewKey = 1;
inline constexpr std::uint32_t kRegOpenedExistingKey = 2;

// Result codes are the Windows ones; these are the codes callers look at by name.
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorSharingViolation = 32;
inline constexpr std::int32_t kErrorMoreData = 234;

// An open key; 0 is no key.
using RegKey = std::uintptr_t;

// Names with their data, as setStringValue takes them.
using StringValues = std::vector<std::pair<std::string, std::string>>;

// The data of the values an update asked for, in the order asked; nothing for a value that is missing.
using FoundValues = std::vector<std::optional<std::string>>;
// Makes the values to store from those found; an empty list stores nothing.
using ValueUpdate = std::function<StringValues(const FoundValues &found)>;

// What writing values under a key came to: the result of creating or opening the key and its disposition,
// then, once it was open, the result of storing the values.
struct WriteOutcome
{
    std::int32_t keyResult = 0;
    std::uint32_t disposition = 0;
    std::int32_t valueResult = 0;
};

// The per-user registry, reduced to the calls the string store makes. Names and data are 8-bit
// texts in the system's code page; each call returns a Windows result code (0 for success).
class Registry
{
public:
    virtual ~Registry() = default;

    // Creates subKey below root, with every missing key on its way, or opens it if it exists; sets key
    // to the open key (0 on failure) and disposition to kRegCreatedNewKey or kRegOpenedExistingKey.
    virtual std::int32_t createKey(std::uint32_t root, const std::string &subKey, RegKey *key,
                                   std::uint32_t *disposition) = 0;
    // Stores data, byte for byte, as the string value name of key; the old data stays if it fails.
    virtual std::int32_t setStringValue(RegKey key, const std::string &name, const std::string &data) = 0;
    // Opens an existing subKey below root for reading; key stays 0 when no key results.
    virtual std::int32_t openKey(std::uint32_t root, const std::string &subKey, RegKey *key) = 0;
    // Reads the data of value name: with data null only sets size to its byte count; otherwise copies
    // it into the size bytes at data and sets size to the count (234 and the needed size if too small).
    virtual std::int32_t queryValue(RegKey key, const std::string &name, char *data, std::uint32_t *size) = 0;
    // Closes a key opened by createKey or openKey.
    virtual std::int32_t closeKey(RegKey key) = 0;
    // The system's text for a result code, as read into a buffer of 100 characters; empty if none.
    virtual std::string systemMessage(std::int32_t code) = 0;

    // Creates or opens subKey as createKey does, stores the values in order as setStringValue does until
    // one fails, and closes the key. A registry that can make it one change overrides this, so that all of
    // it lands or none of it does.
    virtual WriteOutcome writeStringValues(std::uint32_t root, const std::string &subKey,
                                           const StringValues &values)
    {
        WriteOutcome outcome;
        RegKey key = 0;
        outcome.keyResult = createKey(root, subKey, &key, &outcome.disposition);
        if (outcome.keyResult != kErrorSuccess)
            return outcome;
        for (const auto &[name, data] : values) {
            outcome.valueResult = setStringValue(key, name, data);
            if (outcome.valueResult != kErrorSuccess)
                break;
        }
        closeKey(key);
        return outcome;
    }

    // Reads the values names of subKey, lets update make the values to store from them, and stores those as
    // writeStringValues does, with no other writer between the read and the write. update may run more than
    // once, each time on the values as they are then. This one is for a registry that only this process
    // writes; a registry shared with other processes overrides it with a lock they share.
    virtual WriteOutcome updateStringValues(std::uint32_t root, const std::string &subKey,
                                            const std::vector<std::string> &names, const ValueUpdate &update)
    {
        WriteOutcome outcome;
        RegKey key = 0;
        outcome.keyResult = createKey(root, subKey, &key, &outcome.disposition);
        if (outcome.keyResult != kErrorSuccess)
            return outcome;
        FoundValues found;
        for (const std::string &name : names) {
            std::optional<std::string> data;
            outcome.valueResult = readValue(key, name, &data);
            if (outcome.valueResult != kErrorSuccess)
                break;
            found.push_back(std::move(data));
        }
        if (outcome.valueResult == kErrorSuccess) {
            for (const auto &[name, data] : update(found)) {
                outcome.valueResult = setStringValue(key, name, data);
                if (outcome.valueResult != kErrorSuccess)
                    break;
            }
        }
        closeKey(key);
        return outcome;
    }

    // Reads value name of an open key whole: nothing, with success, when it is missing. A value that grows
    // between asking its size and reading it is read again at its new size.
    std::int32_t readValue(RegKey key, const std::string &name, std::optional<std::string> *data)
    {
        std::uint32_t size = 0;
        std::int32_t result = queryValue(key, name, nullptr, &size);
        for (int tries = 1; result == kErrorSuccess; ++tries) {
            std::string buffer(size, '\0');
            result = queryValue(key, name, buffer.data(), &size);
            if (result == kErrorSuccess) {
                buffer.resize(size);
                *data = std::move(buffer);
                return result;
            }
            // A value that keeps growing is not read at all.
            if (result != kErrorMoreData || tries == 5)
                break;
            result = kErrorSuccess;
        }
        return result == kErrorFileNotFound ? kErrorSuccess : result;
    }
};

// The registry of the current user on this system; lives as long as the program.
Registry &systemRegistry();

} // namespace platform
