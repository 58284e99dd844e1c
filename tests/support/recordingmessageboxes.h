// SPDX-License-Identifier: MIT
#pragma once

#include "platform/messageboxes.h"

#include <QList>

// Records every message instead of showing it.
class RecordingMessageBoxes final : public platform::MessageBoxes
{
public:
    struct Message
    {
        QString text;
        QString title;
        platform::MessageIcon icon;
    };

    void show(QWidget *, const QString &text, const QString &title, platform::MessageIcon icon) override
    {
        messages.append({text, title, icon});
    }

    QList<Message> messages;
};
