// SPDX-License-Identifier: MIT
#pragma once

#include "color/colorparams.h"

#include <QString>

// The saved text of both colours: eight fields of three characters, each followed by a blank, background
// first ("001 064 128 192 002 224 224 224 ").
namespace paramstext {

// Background: green base, red 64, green 128, blue 192; foreground: blue base, 224, 224, 224.
QString defaultText();

QString build(const ColorParamsArray &params);

// Reads a saved text; anything but 32 characters gives the default colours. Separators are not checked,
// and fields out of range are kept as they read; a number too large for a field (such as "9e9") is held to
// its nearest end.
ColorParamsArray read(const QString &text);

} // namespace paramstext
