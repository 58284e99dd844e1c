// SPDX-License-Identifier: MIT
#include "platform/textfilereader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace platform {

namespace {

class PortableTextFileReader final : public TextFileReader
{
public:
    TextFileContents readAll(const QString &path) override
    {
        if (path.isEmpty())
            return failure(TextFileError::BadFileName);

        // QFile reports only that opening failed; the checks tell the user which part of the path is wrong,
        // as the Windows reader does.
        const QFileInfo info(path);
        if (!info.exists())
            return failure(info.absoluteDir().exists() ? TextFileError::FileNotFound
                                                       : TextFileError::PathNotFound);
        if (info.isDir())
            return failure(TextFileError::PermissionDenied);

        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return failure(file.error() == QFileDevice::PermissionsError
                               ? TextFileError::PermissionDenied
                               : TextFileError::PathFileAccessError);
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return failure(TextFileError::DeviceIoError);
        if (bytes.isEmpty())
            return failure(TextFileError::InputPastEndOfFile);

        QStringDecoder decode(QStringDecoder::System);
        return read(decode(bytes));
    }
};

} // namespace

TextFileReader &systemTextFileReader()
{
    static PortableTextFileReader reader;
    return reader;
}

} // namespace platform
