// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program's identity, shown in the main window's caption.
namespace SpecifySoftware {

extern QString ProgramName;
extern QString ProgramVersion;

// Sets the name and the version text ("5.00" for version 5.0) from the build.
void SetProgramIdentity();

} // namespace SpecifySoftware
