// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace platform {
class MessageBoxes;
class Shell;
} // namespace platform

// Opening web pages in the default browser, and telling the user why it failed.
namespace weblink {

// The text after the last "." of the last "\"-separated name of path, lower-cased when asked;
// empty when that name has no dot.
QString GetFileExtension(const QString &path, bool lowerCase);

// Opens url in the default browser without waiting for it; when the shell refuses, says why in a message
// box, which may come after this returns.
void OpenWebPage(platform::Shell &shell, platform::MessageBoxes &messages, QWidget *parent,
                 const QString &url);

// Opens url like OpenWebPage, with noAssociationLine as the explanation when nothing is
// associated with the page's type (the one line in which launchers differ).
void openWebPageExplaining(platform::Shell &shell, platform::MessageBoxes &messages, QWidget *parent,
                           const QString &url, const QString &noAssociationLine);

// The message shown for shell result code; empty when the code means success.
QString launchFailureMessage(qint32 code, const QString &noAssociationLine);

} // namespace weblink
