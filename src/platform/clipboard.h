// SPDX-License-Identifier: MIT
#pragma once

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
    // The plain text the clipboard holds; nothing when it holds none or cannot be read.
    virtual std::optional<QString> readText() const = 0;
};

// The clipboard of the desktop session, through the application's QClipboard.
class QtClipboard final : public Clipboard
{
public:
    bool clear(QString &error) override;
    bool setText(const QString &text, QString &error) override;
    std::optional<QString> readText() const override;
};

// The program's one real clipboard.
Clipboard &systemClipboard();

} // namespace platform
