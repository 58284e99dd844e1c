// SPDX-License-Identifier: MIT
#pragma once

#include "platform/clipboard.h"

#include <QStringList>

// Keeps the clipboard's text in memory, logs each call in order, and fails on demand.
class RecordingClipboard final : public platform::Clipboard
{
public:
    bool clear(QString &error) override
    {
        calls.append(QStringLiteral("clear"));
        if (failClear) {
            error = failure;
            return false;
        }
        text.clear();
        return true;
    }

    bool setText(const QString &newText, QString &error) override
    {
        calls.append(QStringLiteral("setText"));
        if (failSetText) {
            error = failure;
            return false;
        }
        text = newText;
        return true;
    }

    std::optional<QString> readText(QClipboard::Mode = QClipboard::Clipboard) const override
    {
        return holdsText ? std::optional<QString>(text) : std::nullopt;
    }

    bool holdsText = true;
    bool failClear = false;
    bool failSetText = false;
    QString failure = QStringLiteral("The clipboard is locked by another program.");
    QString text;
    QStringList calls;
};
