// SPDX-License-Identifier: MIT
#pragma once

#include "platform/shell.h"

#include <QList>
#include <QStringList>

#include <utility>

// Records every address it is asked to open and answers with a chosen result code, at once or when told.
class RecordingShell final : public platform::Shell
{
public:
    void open(const QString &url, std::function<void(qint32)> done) override
    {
        urls.append(url);
        if (answerLater)
            pending.append(std::move(done));
        else
            done(result);
    }

    void answer()
    {
        for (const auto &done : std::exchange(pending, {}))
            done(result);
    }

    qint32 result = 42; // above 32: the page opened
    bool answerLater = false;
    QStringList urls;
    QList<std::function<void(qint32)>> pending;
};
