// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class Registry;
}

// Named text values under a registry key. Neither operation fails loudly: each returns a status
// text that starts with "0" on success and with another digit on failure, followed by words for a
// person and mostly by the system's message. All texts are 8-bit, in the system's code page; callers
// convert (the store itself needs nothing but the standard library, so it also builds where Qt does not).
namespace Registry3 {

// Creates or opens strKey below rootKey and writes strValue as the string value strName.
std::string RegWriteString(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                           const std::string &strName, const std::string &strValue);

// Writes several string values of strKey below rootKey in one save, in the order given, all of them or (where
// the registry can promise it) none; the status is that of RegWriteString, for the first value that could
// not be written.
std::string RegWriteStrings(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                            const std::vector<std::pair<std::string, std::string>> &values);

// What RegUpdateStrings is given and what it writes: texts as RegReadString gives them (nothing for a value
// that is missing or empty), and names with texts as RegWriteStrings takes them.
using FoundStrings = std::vector<std::optional<std::string>>;
using StringChange =
    std::function<std::vector<std::pair<std::string, std::string>>(const FoundStrings &found)>;

// Reads the string values strNames of strKey below rootKey, lets change make the values to write from them,
// and writes those as RegWriteStrings does, with no other writer of the store in between. change may run
// more than once, each time on the values as they are then; when it gives nothing, nothing is written. The
// status is that of RegWriteStrings, also for a value that could not be read.
std::string RegUpdateStrings(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                             const std::vector<std::string> &strNames, const StringChange &change);

// Reads the string value strName of strKey below rootKey into strValue, without its trailing
// control characters; strValue keeps what it held when nothing was read.
std::string RegReadString(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                          const std::string &strName, std::string &strValue);

} // namespace Registry3
