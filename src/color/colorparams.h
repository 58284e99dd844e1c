// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <array>

// One colour of the editing state: item 0 the base channel (0 red, 1 green, 2 blue), items 1-3 red, green,
// blue.
using ColorRow = std::array<qint16, 4>;
// Both colours: row 0 the background, row 1 the foreground.
using ColorParamsArray = std::array<ColorRow, 2>;
