// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"
#include "settings/storedvalues.h"

#include <functional>
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
// The lines of a stored value that read leaves out, blank ones aside, as they are, each ending in LF: an
// edit of the list keeps them after its pairs, for a later version of the program or the user to mend.
std::string unreadLines(std::string_view text);

// The stored value as it is now, read whole; a store that cannot be read says so.
storedvalues::Reading stored(platform::Registry *registry);

// Writes the pairs as the whole list, in one save, whatever was stored (a list made afresh; a change of the
// list goes through update). Returns the store's status text, which begins with "0" on success.
std::string save(platform::Registry *registry, const NamedPairs &pairs);

// Gives the stored value as it is (without its last line end) and its pairs; returns the pairs to store,
// or nothing to leave the value as it is.
using Edit = std::function<std::optional<NamedPairs>(std::string_view text, const NamedPairs &pairs)>;
// Edits the stored list as one change of the store that no other writer comes between; edit may run again
// on what another program stored meanwhile. Lines that cannot be read are kept. Returns the store's status
// text, which begins with "0" on success, and sets written to the value stored, if any (as read back).
std::string update(platform::Registry *registry, const Edit &edit,
                   std::optional<std::string> *written = nullptr);

} // namespace pairstore
