// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class Registry;
}
class SharedValue;

// The program's values in the settings store: Params, and the values saved beside it, all under one key
// of the current user.
namespace storedvalues {

inline const std::string kKey = "Software\\Quenby Systems\\TVK";
inline const std::string kParams = "Params";

using Value = std::pair<std::string, std::string>;

// The text of value name; nothing when there is no store, or the value is missing or cannot be read.
std::optional<std::string> read(platform::Registry *registry, const std::string &name);

// A value read whole from one version of the store, as read gives it; a store that cannot be read (a FIFO
// or folder in its place, a damaged file, the value given twice) is told apart from one without the value.
struct Reading
{
    std::optional<std::string> text; // nothing when the value, its key or the store is missing
    std::string failure;             // the status of a store that could not be read; empty when it was
};
Reading readWhole(platform::Registry *registry, const std::string &name);

// Writes the values in one save; returns the store's status text, which begins with "0" on success.
std::string write(platform::Registry *registry, const std::vector<Value> &values);

// Makes the values to write from the values names as stored (nothing for one that is missing or empty).
using Change = std::function<std::vector<Value>(const std::vector<std::optional<std::string>> &found)>;
// Reads the values names, and writes what change makes of them, as one change of the store that no other
// writer comes between; change may run again on what another program wrote meanwhile. Returns the status.
std::string update(platform::Registry *registry, const std::vector<std::string> &names, const Change &change);

// Writes values, and each of shared that this copy of the program changed, merged with what other copies
// stored meanwhile, in one change of the store; then tells shared what was stored. Returns the status.
std::string save(platform::Registry *registry, const std::vector<Value> &values,
                 const std::vector<SharedValue *> &shared);

} // namespace storedvalues
