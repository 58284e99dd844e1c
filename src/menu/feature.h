// SPDX-License-Identifier: MIT
#pragma once

class SharedValue;

// A feature beyond the form, as the main window assembles it: it offers its actions, each with its text
// and shortcuts (checkable ones kept in step with the feature's own state, as a toggle action is), and
// tells the value it keeps beside Params.
class Feature
{
public:
    virtual ~Feature() = default;

    // The value the feature keeps beside Params, which a save writes when this copy changed it; null when it
    // keeps none.
    virtual SharedValue *sharedValue() { return nullptr; }
};
