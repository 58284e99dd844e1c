// SPDX-License-Identifier: MIT
#include "platform/textfilereader.h"

#include "store/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace platform {

namespace {

class PortableTextFileReader final : public TextFileReader
{
public:
    TextFileContents readStart(const QString &path, qsizetype maxCharacters) override
    {
        if (path.isEmpty())
            return failure(TextFileError::BadFileName);

        // The checks tell the user which part of the path is wrong, as the Windows reader does.
        const QFileInfo info(path);
        if (!info.exists())
            return failure(info.absoluteDir().exists() ? TextFileError::FileNotFound
                                                       : TextFileError::PathNotFound);
        if (info.isDir())
            return failure(TextFileError::PermissionDenied);

        regularfile::Reader file(path);
        switch (file.failure()) {
        case regularfile::Failure::None:
            break;
        case regularfile::Failure::Denied:
            return failure(TextFileError::PermissionDenied);
        case regularfile::Failure::Missing:
            return failure(TextFileError::FileNotFound);
        default:
            return failure(TextFileError::PathFileAccessError);
        }
        // A character takes at least one byte, so reading stops soon after the last one wanted.
        QStringDecoder decode(QStringDecoder::System);
        QString text;
        bool anyBytes = false;
        while (text.size() < maxCharacters) {
            const QByteArray chunk = file.read(qMin<qint64>(maxCharacters - text.size(), 1 << 16));
            if (file.failure() != regularfile::Failure::None)
                return failure(TextFileError::DeviceIoError);
            if (chunk.isEmpty())
                break;
            anyBytes = true;
            text += decode(chunk);
        }
        if (!anyBytes)
            return failure(TextFileError::InputPastEndOfFile);
        text.truncate(maxCharacters);
        return read(text);
    }
};

} // namespace

TextFileReader &systemTextFileReader()
{
    static PortableTextFileReader reader;
    return reader;
}

} // namespace platform
