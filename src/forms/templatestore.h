// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <string>
#include <string_view>

// The user's templates as one stored value: each on a line of its own, ending in LF, with the backslash
// and every character outside printable ASCII written as \uXXXX (its UTF-16 unit in hexadecimal), so that
// the value is plain ASCII in any store and any code page.
namespace templatestore {

// Limits that keep the value small beside the colours.
constexpr qsizetype kMostTemplates = 50;
constexpr qsizetype kLongestTemplate = 500;

std::string write(const QStringList &templates);

// The templates of a stored value. Empty lines, lines with a malformed escape, templates longer than
// kLongestTemplate and those beyond kMostTemplates are left out; a CR before the LF is ignored.
QStringList read(std::string_view text);

} // namespace templatestore
