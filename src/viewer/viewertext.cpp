// SPDX-License-Identifier: MIT
#include "viewer/viewertext.h"

namespace viewertext {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kHeadNote =
    QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n"
                   "To view the entire contents of the file load it into NotePad,\r\n"
                   "WordPad or some other text editor.\r\n\r\n");
const QString kTailNote = QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");

} // namespace

QString fitToTextBox(const QString &text)
{
    if (text.size() < kCutLength)
        return text;
    const qsizetype shown = kCutLength - kHeadNote.size() - kTailNote.size();
    return kHeadNote + text.left(shown) + kCrLf + kCrLf + kTailNote;
}

} // namespace viewertext
