// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QString>

#include <optional>

namespace platform {

// The system clipboard, reduced to what copying and pasting need: empty it, give it one plain text, read
// its plain text.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard; on failure returns false and sets error to a text fit to show the user.
    virtual bool clear(QString &error) = 0;
    // Replaces the contents with text as plain text; on failure returns false and sets error likewise.
    virtual bool setText(const QString &text, QString &error) = 0;
    // The plain text the clipboard holds, or with mode Selection the text selected last (where the
    // system has such a selection); nothing when it holds none or cannot be read.
    virtual std::optional<QString> readText(QClipboard::Mode mode = QClipboard::Clipboard) const = 0;
};

// The clipboard of the desktop session, through the application's QClipboard. Another program's text is
// read by the window system's own means where it has them (X11): given only when it comes within about a
// second, and then at most its first 1 MiB.
class QtClipboard final : public Clipboard
{
public:
    bool clear(QString &error) override;
    bool setText(const QString &text, QString &error) override;
    std::optional<QString> readText(QClipboard::Mode mode = QClipboard::Clipboard) const override;
};

// The program's one real clipboard.
Clipboard &systemClipboard();

} // namespace platform
