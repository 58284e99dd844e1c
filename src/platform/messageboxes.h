// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MessageIcon { None, Information, Exclamation, Critical };

// Shows a message with an OK button and waits until the user closes it.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows text under title with the icon, modal to parent (may be null); returns when dismissed.
    virtual void show(QWidget *parent, const QString &text, const QString &title, MessageIcon icon) = 0;
};

// The real message boxes of the desktop, never narrower than their title needs.
class QtMessageBoxes final : public MessageBoxes
{
public:
    void show(QWidget *parent, const QString &text, const QString &title, MessageIcon icon) override;
};

} // namespace platform
