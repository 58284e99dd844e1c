// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the viewer makes of a file's text.
namespace viewertext {

// Texts of kCutLength characters or more are cut, between two notes, so that the text box holds
// kTextBoxLimit characters; so no more than kCutLength characters of a file are ever needed.
inline constexpr qsizetype kCutLength = 65530;
inline constexpr qsizetype kTextBoxLimit = 65534;

// The text itself, or its head between the two notes.
QString fitToTextBox(const QString &text);

} // namespace viewertext
