// SPDX-License-Identifier: MIT
#include "platform/textfilereader.h"

#include <QByteArray>

#include <climits>
#include <windows.h>

namespace platform {

namespace {

// The run-time's numbers for the system errors that opening a file can give.
qint32 errorNumberFor(DWORD systemError)
{
    switch (systemError) {
    case ERROR_FILE_NOT_FOUND:
        return TextFileError::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return TextFileError::PathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return TextFileError::PermissionDenied;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return TextFileError::BadFileName;
    case ERROR_NOT_READY:
        return TextFileError::DiskNotReady;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return TextFileError::OutOfMemory;
    default:
        return TextFileError::PathFileAccessError;
    }
}

// Closes the handle on every way out of a read.
class FileHandle
{
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;

    HANDLE get() const { return m_handle; }
    bool isValid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

QString fromAnsi(const QByteArray &bytes)
{
    const int byteCount = static_cast<int>(bytes.size());
    const int charCount = MultiByteToWideChar(CP_ACP, 0, bytes.constData(), byteCount, nullptr, 0);
    if (charCount <= 0)
        return {};
    QString text(charCount, Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, bytes.constData(), byteCount, reinterpret_cast<wchar_t *>(text.data()),
                        charCount);
    return text;
}

class WindowsTextFileReader final : public TextFileReader
{
public:
    TextFileContents readStart(const QString &path, qsizetype maxCharacters) override
    {
        if (path.isEmpty())
            return failure(TextFileError::BadFileName);

        const QByteArray ansiPath = path.toLocal8Bit();
        FileHandle file(CreateFileA(ansiPath.constData(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.isValid())
            return failure(errorNumberFor(GetLastError()));
        // A pipe or a device could make the read wait for ever.
        if (GetFileType(file.get()) != FILE_TYPE_DISK)
            return failure(TextFileError::PathFileAccessError);

        // No ANSI character takes more than four bytes, so this many bytes hold the characters wanted.
        const qint64 wanted = qMin<qint64>(qint64(maxCharacters) * 4, INT_MAX);
        QByteArray bytes;
        char buffer[65536];
        while (bytes.size() < wanted) {
            DWORD got = 0;
            const DWORD ask = static_cast<DWORD>(qMin<qint64>(sizeof buffer, wanted - bytes.size()));
            if (!ReadFile(file.get(), buffer, ask, &got, nullptr))
                return failure(TextFileError::DeviceIoError);
            if (got == 0)
                break;
            bytes.append(buffer, static_cast<qsizetype>(got));
        }
        if (bytes.isEmpty())
            return failure(TextFileError::InputPastEndOfFile);
        return read(fromAnsi(bytes).left(maxCharacters));
    }
};

} // namespace

TextFileReader &systemTextFileReader()
{
    static WindowsTextFileReader reader;
    return reader;
}

} // namespace platform
