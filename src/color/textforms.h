// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

// The text forms in which the program shows numbers.
namespace textforms {

// Digits with a minus sign for negative values, no padding: "-1", "255".
QString plainDecimal(qint64 value);
// Upper-case hexadecimal of a 16-bit value without leading zeros; negatives as two's complement ("FFFF").
QString plainHex16(qint16 value);
// The same for a 32-bit value ("FFFFFFFF" for -1).
QString plainHex32(qint32 value);
// The 16-bit form with "0" in front when the value is below 16 (signed): "0A", "FF", "0FFFF" for -1.
QString twoDigitHex(qint16 value);

} // namespace textforms
