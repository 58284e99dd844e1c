// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {
class Registry;
}

// The list of pairs as one value beside Params: a line for each pair, in order, ending in LF,
//     4080c0 1 e0e0e0 2 Body text
// the background and its base channel (0 red, 1 green, 2 blue), the foreground and its base channel, and
// the name, with the backslash and every character outside printable ASCII written as \uXXXX (its UTF-16
// unit in hexadecimal), so that the value is plain ASCII in any store and any code page. A thousand pairs
// with names of the longest length take at most about 720 KB in the store file.
namespace pairstore {

inline const std::string kSavedName = "Pairs";

std::string write(const NamedPairs &pairs);

// The pairs of a stored value. A line that does not have that form, or whose name is empty, is left out;
// a CR before the LF is ignored, and names are cleaned as typed names are.
NamedPairs read(std::string_view text);

// The stored value as it is now; nothing when none is stored or the store cannot be read.
std::optional<std::string> stored(platform::Registry *registry);
// Writes the pairs in one save; returns the store's status text, which begins with "0" on success.
std::string save(platform::Registry *registry, const NamedPairs &pairs);

} // namespace pairstore
