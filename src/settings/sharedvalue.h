// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {
class Registry;
}

// A value that every copy of the program keeps beside Params, such as the user's formats or whether the
// contrast panel is open, with the text this copy last read from the store or wrote to it: a save writes
// the value only when this copy changed it, and then on top of what another copy stored meanwhile.
class SharedValue
{
public:
    // How this copy's change lands on a value that another copy changed since this copy read it.
    enum class Merge {
        Replace, // a state, such as a window's place: this copy's text replaces the other's
        Lines,   // a list, a line an entry: the lines this copy added are added, those it removed removed
    };

    // absent is the text a missing value stands for.
    SharedValue(std::string name, Merge merge, std::string absent = {});

    const std::string &name() const { return m_name; }

    // This copy's text now; nothing while it has nothing to keep.
    std::function<std::optional<std::string>()> current;
    // Told the text a save stored when it is not this copy's own, another copy's lines being merged in.
    std::function<void(const std::string &text)> adopt;

    // Reads the value, which this copy then knows as stored; nothing when it is missing or cannot be read.
    std::optional<std::string> read(platform::Registry *registry);
    // The text a save writes, given the value as stored now; nothing when this copy did not change it.
    std::optional<std::string> toWrite(const std::optional<std::string> &stored) const;
    // Takes text as what the store holds after a save.
    void saved(const std::string &text);

private:
    std::string m_name;
    Merge m_merge;
    std::string m_absent;
    std::string m_known;
};
