// SPDX-License-Identifier: MIT
#pragma once

#include "settings/storedvalues.h"

// A feature beyond the form, as the main window assembles it: it offers its actions, each with its text
// and shortcuts (checkable ones kept in step with the feature's own state, as a toggle action is), and
// tells the value it keeps beside Params.
class Feature
{
public:
    virtual ~Feature() = default;

    // The value the feature keeps beside Params, as a save writes it; an empty name while it keeps none.
    virtual storedvalues::Value storedValue() const { return {}; }
};
