// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace platform {

// An INI file in the layout QSettings reads and writes, kept line by line: a change rewrites only the
// value it sets (or adds lines), so comments, unknown lines, spacing, line ends and bytes in any encoding
// elsewhere stay as they were. Section and key names are compared in their decoded form, without regard
// to ASCII case. Damage is kept local: a line that cannot be read spoils its own value, or its section
// when it names no key; only a section header that cannot be read, which leaves every later line without
// a known section, spoils the whole file.
class IniDocument
{
public:
    explicit IniDocument(const QByteArray &bytes = {});

    QByteArray bytes() const;
    // Whether lines that follow cannot be placed in a section.
    bool damaged() const { return m_damaged; }

    // The section of the decoded name, or -1.
    int section(const QString &name) const;
    // The name of section as stored.
    QString sectionName(int section) const { return m_sections[section].name; }
    // Whether section holds a line that names no key, or shares its name with another section.
    bool sectionDamaged(int section) const { return m_sections[section].damaged; }
    int addSection(const QString &name);

    // The line of the entry key in section, or -1.
    int entry(int section, const QString &key) const;
    // The data of the entry at line: the bytes of a QSettings byte array, or the UTF-8 bytes of a text;
    // none when the line cannot be read or its key occurs twice in the section.
    std::optional<QByteArray> value(int line) const;
    // Sets the entry key of section to data, stored as a QSettings byte array; only the value's own bytes
    // change when the entry exists. prepend puts a new entry first in its section.
    void setValue(int section, const QString &key, const QByteArray &data, bool prepend = false);
    // Sets the entry to a literal value text, such as "true".
    void setText(int section, const QString &key, const QByteArray &text, bool prepend = false);

    // The encodings QSettings uses in its files, for names and for byte-array values.
    static QByteArray encodeKey(const QString &key);
    static QString decodeKey(QByteArrayView key);
    static QByteArray encodeValue(const QByteArray &data);

private:
    struct Line
    {
        QByteArray text; // without its line end
        QByteArray end;
        int section = -1; // -1 before the first header
        QString key;      // decoded; empty for lines that are no entries
        qsizetype valueStart = 0;
        qsizetype valueEnd = 0;
        bool duplicate = false;
    };
    struct Section
    {
        QString name;
        int header = 0;    // its header line
        int lastEntry = 0; // its last entry line, or the header
        bool damaged = false;
    };

    void parseLine(Line &line);
    void insertLine(int at, Line line);
    QByteArray lineEnd() const;

    QList<Line> m_lines;
    QList<Section> m_sections;
    bool m_damaged = false;
};

} // namespace platform
