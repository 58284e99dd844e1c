// SPDX-License-Identifier: MIT
#include "platform/filedialogs.h"

#include <QFileDialog>

namespace platform {

namespace {

class QtFileDialogs final : public FileDialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QStringList &filters, int *filter) override
    {
        QString selected = filters.value(filter ? *filter : 0);
        const QString path = QFileDialog::getSaveFileName(parent, caption, suggested,
                                                          filters.join(QStringLiteral(";;")), &selected);
        if (filter && filters.contains(selected))
            *filter = int(filters.indexOf(selected));
        return path;
    }

    QString openFileName(QWidget *parent, const QString &caption, const QStringList &filters) override
    {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filters.join(QStringLiteral(";;")));
    }
};

} // namespace

FileDialogs &systemFileDialogs()
{
    static QtFileDialogs dialogs;
    return dialogs;
}

} // namespace platform
