// SPDX-License-Identifier: MIT
#pragma once

#include "settings/sharedvalue.h"
#include "settings/storedvalues.h"

#include <functional>
#include <optional>
#include <string>

namespace platform {
class Registry;
}

// Every value the program keeps in the settings store, under one key of the current user, each read and
// written here alone: Params (both colours), the values beside it that a save writes only when this copy
// changed them, and the list of pairs, which changes under the store's lock. The program holds one for its
// main window; a command holds its own.
class Settings
{
public:
    static inline const std::string kFormatsName = "Formats";
    static inline const std::string kContrastPanelName = "ContrastPanel";
    static inline const std::string kPairsWindowName = "PairsWindow";
    static inline const std::string kPairsName = "Pairs";

    // registry may be null: nothing is read, and a save fails.
    explicit Settings(platform::Registry *registry);
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    // Both colours as saved; nothing when the value is missing or cannot be read.
    std::optional<std::string> params() const;
    // The user's templates, a line each: this copy's additions and removals land on another copy's list.
    SharedValue &formats() { return m_formats; }
    // "1" while the contrast panel is open, "0" (also when missing) otherwise.
    SharedValue &contrastPanel() { return m_contrastPanel; }
    // The Color pairs window's frame and size, as its placement writes them.
    SharedValue &pairsWindow() { return m_pairsWindow; }

    // Writes params as Params, with each value beside it that this copy changed, in one change of the store.
    // Returns the store's status text, which begins with "0" on success.
    std::string save(const std::string &params);
    // Writes value alone, when this copy changed it.
    std::string save(SharedValue &value);

    // The list of pairs as stored now, read whole; a store that cannot be read says so.
    storedvalues::Reading pairs() const;
    // Writes text as the list of pairs, whatever was stored.
    std::string writePairs(const std::string &text);
    // Gives the list as stored (nothing when missing or empty); returns the text to store, or nothing.
    using PairsChange = std::function<std::optional<std::string>(const std::optional<std::string> &stored)>;
    // Changes the list as one change of the store that no other writer comes between; change may run again
    // on what another program stored meanwhile.
    std::string updatePairs(const PairsChange &change);

private:
    std::string saveBeside(const std::vector<storedvalues::Value> &values,
                           const std::vector<SharedValue *> &shared);

    platform::Registry *m_registry;
    SharedValue m_formats;
    SharedValue m_contrastPanel;
    SharedValue m_pairsWindow;
};
