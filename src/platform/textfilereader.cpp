// SPDX-License-Identifier: MIT
#include "platform/textfilereader.h"

namespace platform {

QString TextFileError::description(qint32 number)
{
    switch (number) {
    case OutOfMemory:
        return QStringLiteral("Out of memory");
    case BadFileName:
        return QStringLiteral("Bad file name or number");
    case FileNotFound:
        return QStringLiteral("File not found");
    case DeviceIoError:
        return QStringLiteral("Device I/O error");
    case InputPastEndOfFile:
        return QStringLiteral("Input past end of file");
    case PermissionDenied:
        return QStringLiteral("Permission denied");
    case DiskNotReady:
        return QStringLiteral("Disk not ready");
    case PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case PathNotFound:
        return QStringLiteral("Path not found");
    default:
        return {};
    }
}

TextFileContents TextFileReader::read(QString text)
{
    TextFileContents contents;
    contents.outcome = TextFileContents::Outcome::Read;
    contents.text = std::move(text);
    return contents;
}

TextFileContents TextFileReader::failure(qint32 number)
{
    TextFileContents contents;
    contents.outcome = number == TextFileError::InputPastEndOfFile ? TextFileContents::Outcome::Empty
                                                                   : TextFileContents::Outcome::Failed;
    contents.errorNumber = number;
    contents.errorDescription = TextFileError::description(number);
    return contents;
}

} // namespace platform
