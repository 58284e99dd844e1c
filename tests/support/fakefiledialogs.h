// SPDX-License-Identifier: MIT
#pragma once

#include "platform/filedialogs.h"

// File dialogs that answer at once with the paths the test set; an empty path is a cancel.
class FakeFileDialogs final : public platform::FileDialogs
{
public:
    QString saveFileName(QWidget *, const QString &caption, const QString &, const QStringList &filters,
                         int *filter) override
    {
        captions << caption;
        shownFilters = filters;
        if (filter)
            *filter = chosenFilter;
        return savePath;
    }
    QString openFileName(QWidget *, const QString &caption, const QStringList &) override
    {
        captions << caption;
        return openPath;
    }

    QString savePath;
    int chosenFilter = 0;
    QString openPath;
    QStringList captions;
    QStringList shownFilters;
};
