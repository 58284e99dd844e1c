// SPDX-License-Identifier: MIT
#pragma once

#include "color/colorparams.h"

#include <QString>

#include <optional>

// The texts the copy list puts on the clipboard.
namespace copytexts {

// The plain decimal form preceded by two spaces, cut to its last three characters ("  5", " 64", "128").
void PadChannelValue(qint16 value, QString &text);

// The text for entry index of the copy list (0 the report of both colours, 1-3 the background's decimal,
// HTML and RGB forms, 4-6 the foreground's); nothing when a packed value does not fit 32 bits, which only
// channels far outside 0..255 can cause.
std::optional<QString> copyText(const ColorParamsArray &params, qint16 index);

} // namespace copytexts
