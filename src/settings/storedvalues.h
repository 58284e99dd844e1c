// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class Registry;
}

// The program's values in the settings store: Params, and the values saved beside it, all under one key
// of the current user.
namespace storedvalues {

inline const std::string kKey = "Software\\Quenby Systems\\TVK";
inline const std::string kParams = "Params";

using Value = std::pair<std::string, std::string>;

// The text of value name; nothing when there is no store, or the value is missing or cannot be read.
std::optional<std::string> read(platform::Registry *registry, const std::string &name);
// Writes the values in one save; returns the store's status text, which begins with "0" on success.
std::string write(platform::Registry *registry, const std::vector<Value> &values);

} // namespace storedvalues
