// SPDX-License-Identifier: MIT
#include "store/inidocument.h"

#include <QHash>
#include <QStringDecoder>

namespace platform {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QChar foldAscii(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
}

QString folded(const QString &name)
{
    QString out = name;
    for (QChar &c : out)
        c = foldAscii(c);
    return out;
}

bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Raw bytes of a value are UTF-8 for QSettings; bytes that are not stay themselves (as Latin-1).
QString decodeRun(QByteArrayView run)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(run);
    return utf8.hasError() ? QString::fromLatin1(run) : text;
}

// The text of a value as QSettings unescapes it, strictly: an open quote, a broken escape or a list
// (a comma outside quotes) gives none.
std::optional<QString> unescape(QByteArrayView raw)
{
    static const char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                       {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                       {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QString text;
    bool inQuotes = false;
    qsizetype i = 0;
    while (i < raw.size() && isBlank(raw[i]))
        ++i;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= raw.size())
                return std::nullopt;
            const char e = raw[i++];
            bool simple = false;
            for (const auto &escape : kEscapes) {
                if (e == escape[0]) {
                    text += QLatin1Char(escape[1]);
                    simple = true;
                }
            }
            if (simple)
                continue;
            const bool hex = e == 'x';
            const int base = hex ? 16 : 8;
            uint code = hex ? 0 : uint(e - '0');
            if ((!hex && (e < '0' || e > '7')) || (hex && (i >= raw.size() || hexValue(raw[i]) < 0)))
                return std::nullopt;
            for (int digit; i < raw.size() && (digit = hexValue(raw[i])) >= 0 && digit < base; ++i) {
                code = code * base + uint(digit);
                if (code > 0xFFFF)
                    return std::nullopt;
            }
            text += QChar(char16_t(code));
        } else if (c == '"') {
            inQuotes = !inQuotes;
            ++i;
            if (!inQuotes) {
                while (i < raw.size() && isBlank(raw[i]))
                    ++i;
            }
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            qsizetype j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',')
                ++j;
            text += decodeRun(raw.sliced(i, j - i));
            i = j;
        }
    }
    if (inQuotes)
        return std::nullopt;
    return text;
}

// The first of wanted at or after from that is outside double quotes, or -1.
qsizetype findUnquoted(QByteArrayView text, qsizetype from, char wanted)
{
    bool inQuotes = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == '"')
            inQuotes = !inQuotes;
        else if (text[i] == '\\')
            ++i;
        else if (text[i] == wanted && !inQuotes)
            return i;
    }
    return -1;
}

} // namespace

IniDocument::IniDocument(const QByteArray &bytes)
{
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        Line line;
        line.text = bytes.mid(pos, end - pos);
        const qsizetype endLength = bytes.mid(end, 2) == "\r\n" ? 2 : end < bytes.size() ? 1 : 0;
        line.end = bytes.mid(end, endLength);
        pos = end + endLength;
        m_lines.append(line);
    }
    int current = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        Line &line = m_lines[i];
        const QByteArray &text = line.text;
        qsizetype start = 0;
        while (start < text.size() && isBlank(text[start]))
            ++start;
        if (start == text.size() || text[start] == ';' || text[start] == '#') {
            line.section = current;
            continue;
        }
        if (text[start] == '[') {
            const qsizetype close = text.indexOf(']', start);
            if (close < 0) {
                m_damaged = true;
                current = -1;
                continue;
            }
            current = int(m_sections.size());
            m_sections.append(
                {decodeKey(QByteArrayView(text).sliced(start + 1, close - start - 1)), i, i, false});
            line.section = current;
            continue;
        }
        line.section = current;
        parseLine(line);
        if (current >= 0) {
            if (line.key.isEmpty())
                m_sections[current].damaged = true;
            else
                m_sections[current].lastEntry = i;
        }
    }
    // Names that occur twice: QSettings would merge the sections and keep one of the values.
    QHash<QString, int> sections;
    for (int i = 0; i < m_sections.size(); ++i) {
        const auto first = sections.constFind(folded(m_sections[i].name));
        if (first != sections.cend())
            m_sections[*first].damaged = m_sections[i].damaged = true;
        else
            sections.insert(folded(m_sections[i].name), i);
    }
    QHash<std::pair<int, QString>, int> keys;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].key.isEmpty())
            continue;
        const std::pair<int, QString> key{m_lines[i].section, folded(m_lines[i].key)};
        const auto first = keys.constFind(key);
        if (first != keys.cend())
            m_lines[*first].duplicate = m_lines[i].duplicate = true;
        else
            keys.insert(key, i);
    }
}

void IniDocument::parseLine(Line &line)
{
    const QByteArrayView text(line.text);
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const qsizetype equals = findUnquoted(text, start, '=');
    if (equals < 0)
        return;
    qsizetype keyEnd = equals;
    while (keyEnd > start && isBlank(text[keyEnd - 1]))
        --keyEnd;
    line.key = decodeKey(text.sliced(start, keyEnd - start));
    line.valueStart = equals + 1;
    while (line.valueStart < text.size() && isBlank(text[line.valueStart]))
        ++line.valueStart;
    const qsizetype comment = findUnquoted(text, line.valueStart, ';');
    line.valueEnd = comment < 0 ? text.size() : comment;
    while (line.valueEnd > line.valueStart && isBlank(text[line.valueEnd - 1]))
        --line.valueEnd;
}

QByteArray IniDocument::bytes() const
{
    QByteArray all;
    for (const Line &line : m_lines)
        all += line.text + line.end;
    return all;
}

int IniDocument::section(const QString &name) const
{
    for (int i = 0; i < m_sections.size(); ++i) {
        if (sameName(m_sections[i].name, name))
            return i;
    }
    return -1;
}

int IniDocument::addSection(const QString &name)
{
    if (!m_lines.isEmpty()) {
        if (m_lines.last().end.isEmpty())
            m_lines.last().end = lineEnd();
        // QSettings leaves a blank line between sections.
        if (!m_lines.last().text.trimmed().isEmpty())
            m_lines.append({QByteArray(), lineEnd(), -1, {}, 0, 0, false});
    }
    const int index = int(m_sections.size());
    const int header = int(m_lines.size());
    m_lines.append({'[' + encodeKey(name) + ']', lineEnd(), index, {}, 0, 0, false});
    m_sections.append({name, header, header, false});
    return index;
}

int IniDocument::entry(int section, const QString &key) const
{
    const Section &s = m_sections[section];
    for (int i = s.header + 1; i <= s.lastEntry; ++i) {
        if (m_lines[i].section == section && sameName(m_lines[i].key, key))
            return i;
    }
    return -1;
}

std::optional<QByteArray> IniDocument::value(int line) const
{
    const Line &l = m_lines[line];
    if (l.duplicate)
        return std::nullopt;
    const std::optional<QString> text =
        unescape(QByteArrayView(l.text).sliced(l.valueStart, l.valueEnd - l.valueStart));
    if (!text)
        return std::nullopt;
    if (text->startsWith(QLatin1String("@ByteArray(")) && text->endsWith(u')')) {
        QByteArray data;
        for (const QChar c : QStringView(*text).sliced(11, text->size() - 12)) {
            if (c.unicode() > 0xFF)
                return std::nullopt;
            data.append(char(c.unicode()));
        }
        return data;
    }
    // Other typed values ("@Variant(...)" and the like) are not texts; "@@" stands for a leading '@'.
    if (text->startsWith(u'@') && !text->startsWith(QLatin1String("@@")))
        return std::nullopt;
    return text->mid(text->startsWith(u'@') ? 1 : 0).toUtf8();
}

void IniDocument::setValue(int section, const QString &key, const QByteArray &data, bool prepend)
{
    setText(section, key, encodeValue(data), prepend);
}

void IniDocument::setText(int section, const QString &key, const QByteArray &text, bool prepend)
{
    if (const int at = entry(section, key); at >= 0) {
        Line &line = m_lines[at];
        line.text = line.text.left(line.valueStart) + text + line.text.mid(line.valueEnd);
        line.valueEnd = line.valueStart + text.size();
        line.duplicate = false;
        return;
    }
    const QByteArray name = encodeKey(key);
    Section &s = m_sections[section];
    const int at = prepend ? s.header + 1 : s.lastEntry + 1;
    insertLine(at, {name + '=' + text, lineEnd(), section, key, name.size() + 1,
                    name.size() + 1 + text.size(), false});
    if (!prepend || s.lastEntry == s.header)
        s.lastEntry = at;
}

void IniDocument::insertLine(int at, Line line)
{
    if (m_lines[at - 1].end.isEmpty())
        m_lines[at - 1].end = lineEnd();
    m_lines.insert(at, line);
    for (Section &s : m_sections) {
        if (s.header >= at)
            ++s.header;
        if (s.lastEntry >= at)
            ++s.lastEntry;
    }
}

QByteArray IniDocument::lineEnd() const
{
    for (const Line &line : m_lines) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return "\n";
}

QByteArray IniDocument::encodeKey(const QString &key)
{
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                   c == u'_' || c == u'-' || c == u'.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += kHex[c / 16];
            out += kHex[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(c >> shift) & 0xF];
        }
    }
    return out;
}

QString IniDocument::decodeKey(QByteArrayView key)
{
    const QString text = QString::fromUtf8(key);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            out += u'/';
            continue;
        }
        // As QSettings does, a '%' that starts no escape stands for itself.
        const qsizetype digits = i + 1 < text.size() && text[i + 1] == u'U' ? 4 : 2;
        const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
        bool ok = false;
        const ushort code = c == u'%' && first + digits <= text.size()
                                ? QStringView(text).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (ok) {
            out += QChar(code);
            i = first + digits - 1;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray IniDocument::encodeValue(const QByteArray &data)
{
    const QByteArray plain = "@ByteArray(" + data + ')';
    QByteArray out;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const char c : plain) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        // After a numeric escape a digit would continue the number, so it is escaped too.
        if (escapeNextIfDigit && hexValue(c) >= 0) {
            out += "\\x" + QByteArray::number(byte, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (c) {
        case '\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += c;
            break;
        default:
            if (byte <= 0x1F || byte >= 0x7F) {
                out += "\\x" + QByteArray::number(byte, 16);
                escapeNextIfDigit = true;
            } else {
                out += c;
            }
        }
    }
    if (needsQuotes)
        out = '"' + out + '"';
    return out;
}

} // namespace platform
