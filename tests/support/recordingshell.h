// SPDX-License-Identifier: MIT
#pragma once

#include "platform/shell.h"

#include <QStringList>

// Records every address it is asked to open and answers at once with a chosen result code.
class RecordingShell final : public platform::Shell
{
public:
    void open(const QString &url, std::function<void(qint32)> done) override
    {
        urls.append(url);
        done(result);
    }

    qint32 result = 42; // above 32: the page opened
    QStringList urls;
};
