// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// How the program reads numbers from text: captions, typed values and stored fields.
namespace numbers {

// The numeric value of a text: blanks, tabs and line feeds anywhere are skipped; then "&H"/"&O" numbers,
// or the longest leading decimal number (sign, digits, fraction, exponent E or D); 0 when there is none.
// Numbers too large for a double give plus or minus infinity.
double numericValue(QStringView text);

// Rounds to the nearest whole number, halves to the even neighbour, held to -32768..32767.
qint16 roundToInt16(double value);
// Rounds likewise; nothing when the result lies outside the 32-bit range.
std::optional<qint32> roundToInt32(double value);

// The value of one hexadecimal digit of either case, or -1.
constexpr int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace numbers
