// SPDX-License-Identifier: MIT
#pragma once

// A feature beyond the form, as the main window assembles it: it offers its actions, each with its text
// and shortcuts (checkable ones kept in step with the feature's own state, as a toggle action is); a value it
// keeps beside Params it takes from the settings object, which saves it.
class Feature
{
public:
    virtual ~Feature() = default;
};
