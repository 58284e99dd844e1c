// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// The desktop's dialogs for choosing a file to write or to read.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // A path to write to, starting from suggested, or empty when the user cancels; filter receives the
    // index of the filter (such as "CSS (*.css)") chosen last.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QStringList &filters, int *filter) = 0;
    // An existing file to read, or empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QStringList &filters) = 0;
};

// Qt's file dialogs (the desktop's own where Qt uses them); lives as long as the program.
FileDialogs &systemFileDialogs();

} // namespace platform
