// SPDX-License-Identifier: MIT
#pragma once

#include "platform/textfilereader.h"

#include <QHash>
#include <QStringList>

// Serves texts and failures by path from memory; a path it does not know is a missing file.
class FakeTextFileReader final : public platform::TextFileReader
{
public:
    void setText(const QString &path, const QString &text) { m_files.insert(path, read(text)); }
    void setFailure(const QString &path, qint32 number) { m_files.insert(path, failure(number)); }
    void remove(const QString &path) { m_files.remove(path); }

    platform::TextFileContents readStart(const QString &path, qsizetype maxCharacters) override
    {
        readPaths.append(path);
        platform::TextFileContents contents =
            m_files.value(path, failure(platform::TextFileError::FileNotFound));
        contents.text.truncate(maxCharacters);
        return contents;
    }

    QStringList readPaths;

private:
    QHash<QString, platform::TextFileContents> m_files;
};
