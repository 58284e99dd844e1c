// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// The outcome of reading a text file.
struct TextFileContents
{
    enum class Outcome { Read, Empty, Failed };

    Outcome outcome = Outcome::Failed;
    QString text;
    // For Empty and Failed: the error number and description, in the numbering of the
    // scripting run-time (53 file not found, 62 input past end of file, 70 permission denied, ...).
    qint32 errorNumber = 0;
    QString errorDescription;

    bool isRead() const { return outcome == Outcome::Read; }
    bool isEmpty() const { return outcome == Outcome::Empty; }
};

// Error numbers the readers report, with the descriptions that go with them.
namespace TextFileError {
inline constexpr qint32 BadFileName = 52;
inline constexpr qint32 FileNotFound = 53;
inline constexpr qint32 DeviceIoError = 57;
inline constexpr qint32 InputPastEndOfFile = 62;
inline constexpr qint32 PermissionDenied = 70;
inline constexpr qint32 DiskNotReady = 71;
inline constexpr qint32 PathFileAccessError = 75;
inline constexpr qint32 PathNotFound = 76;
inline constexpr qint32 OutOfMemory = 7;

// The run-time's own wording for number, or an empty text for a number it does not name.
QString description(qint32 number);
} // namespace TextFileError

// Reads text files of 8-bit characters in the system's code page.
class TextFileReader
{
public:
    virtual ~TextFileReader() = default;
    // Reads the start of the file at path, its first maxCharacters characters at most (all of a shorter
    // file), never creating or changing it and never waiting on anything but a regular file. An existing
    // file without content is reported as Empty (number 62); every other failure as Failed with its
    // number and description.
    virtual TextFileContents readStart(const QString &path, qsizetype maxCharacters) = 0;

    // Helpers for implementations: a successful read, and a failure with the run-time's description
    // (number 62 makes it the empty-file outcome).
    static TextFileContents read(QString text);
    static TextFileContents failure(qint32 number);
};

// The reader of this desktop; lives as long as the program.
TextFileReader &systemTextFileReader();

} // namespace platform
