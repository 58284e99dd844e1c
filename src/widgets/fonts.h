// SPDX-License-Identifier: MIT
#pragma once

// Maps the Windows font faces the windows are designed with to metric twins or near matches where
// the faces themselves are missing.
void installFontSubstitutes();
