// SPDX-License-Identifier: MIT
#pragma once

#include "platform/shell.h"

#include <QStringList>

// Records every address it is asked to open and answers with a chosen result code.
class RecordingShell final : public platform::Shell
{
public:
    qint32 open(const QString &url) override
    {
        urls.append(url);
        return result;
    }

    qint32 result = 42; // above 32: the page opened
    QStringList urls;
};
