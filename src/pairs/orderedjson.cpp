// SPDX-License-Identifier: MIT
#include "pairs/orderedjson.h"

#include <QHash>

namespace orderedjson {

namespace {

constexpr int kDeepest = 100;

class Reader
{
public:
    explicit Reader(QStringView text) : m_text(text) {}

    Parsed run()
    {
        Value value;
        skipBlanks();
        if (!readValue(value, 0))
            return {std::nullopt, m_error};
        skipBlanks();
        if (m_at < m_text.size())
            return {std::nullopt, failure(QStringLiteral("text after the end"))};
        return {std::move(value), {}};
    }

private:
    QString failure(const QString &what)
    {
        if (m_error.isEmpty()) {
            const QStringView before = m_text.first(std::min(m_at, m_text.size()));
            const qsizetype line = before.count(u'\n') + 1;
            const qsizetype column = m_at - (before.lastIndexOf(u'\n') + 1) + 1;
            m_error = QStringLiteral("%1 at line %2, column %3").arg(what).arg(line).arg(column);
        }
        return m_error;
    }
    bool fail(const QString &what)
    {
        failure(what);
        return false;
    }
    bool atEnd() const { return m_at >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_at]; }

    void skipBlanks()
    {
        while (!atEnd() && (peek() == u' ' || peek() == u'\t' || peek() == u'\n' || peek() == u'\r'))
            ++m_at;
    }

    bool literal(QLatin1StringView word)
    {
        if (!m_text.sliced(m_at).startsWith(word))
            return fail(QStringLiteral("unexpected character"));
        m_at += word.size();
        return true;
    }

    bool readValue(Value &value, int depth)
    {
        if (depth > kDeepest)
            return fail(QStringLiteral("nesting too deep"));
        if (atEnd())
            return fail(QStringLiteral("unexpected end"));
        switch (peek().unicode()) {
        case u'{':
            return readObject(value, depth);
        case u'[':
            return readArray(value, depth);
        case u'"':
            value.kind = Value::Kind::String;
            return readString(value.string);
        case u't':
            value.kind = Value::Kind::Bool;
            value.boolean = true;
            return literal(QLatin1StringView("true"));
        case u'f':
            value.kind = Value::Kind::Bool;
            return literal(QLatin1StringView("false"));
        case u'n':
            return literal(QLatin1StringView("null"));
        default:
            return readNumber(value);
        }
    }

    bool readObject(Value &value, int depth)
    {
        value.kind = Value::Kind::Object;
        ++m_at;
        skipBlanks();
        if (peek() == u'}') {
            ++m_at;
            return true;
        }
        // A name given twice keeps its first place and its last value, as JSON.parse does.
        QHash<QString, size_t> places;
        for (;;) {
            skipBlanks();
            if (peek() != u'"')
                return fail(QStringLiteral("expected a member name"));
            QString key;
            if (!readString(key))
                return false;
            skipBlanks();
            if (peek() != u':')
                return fail(QStringLiteral("expected ':'"));
            ++m_at;
            skipBlanks();
            Value member;
            if (!readValue(member, depth + 1))
                return false;
            if (const auto place = places.constFind(key); place != places.cend()) {
                value.members[*place].second = std::move(member);
            } else {
                places.insert(key, value.members.size());
                value.members.emplace_back(std::move(key), std::move(member));
            }
            skipBlanks();
            if (peek() == u'}') {
                ++m_at;
                return true;
            }
            if (peek() != u',')
                return fail(QStringLiteral("expected ',' or '}'"));
            ++m_at;
        }
    }

    bool readArray(Value &value, int depth)
    {
        value.kind = Value::Kind::Array;
        ++m_at;
        skipBlanks();
        if (peek() == u']') {
            ++m_at;
            return true;
        }
        for (;;) {
            skipBlanks();
            Value item;
            if (!readValue(item, depth + 1))
                return false;
            value.items.push_back(std::move(item));
            skipBlanks();
            if (peek() == u']') {
                ++m_at;
                return true;
            }
            if (peek() != u',')
                return fail(QStringLiteral("expected ',' or ']'"));
            ++m_at;
        }
    }

    // The UTF-16 unit of the four hexadecimal digits at at, or -1.
    int hexUnit(qsizetype at) const
    {
        if (at + 4 > m_text.size())
            return -1;
        int unit = 0;
        for (qsizetype i = at; i < at + 4; ++i) {
            const char16_t c = m_text[i].unicode();
            const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                              : c >= u'a' && c <= u'f' ? c - u'a' + 10
                              : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                                       : -1;
            if (digit < 0)
                return -1;
            unit = unit * 16 + digit;
        }
        return unit;
    }

    bool readString(QString &out)
    {
        ++m_at;
        while (!atEnd()) {
            const QChar c = m_text[m_at];
            if (c == u'"') {
                ++m_at;
                return true;
            }
            if (c.unicode() < 0x20)
                return fail(QStringLiteral("control character in a string"));
            if (c != u'\\') {
                out += c;
                ++m_at;
                continue;
            }
            if (m_at + 1 >= m_text.size())
                break;
            const QChar e = m_text[m_at + 1];
            static const QLatin1StringView from("\"\\/bfnrt");
            static const char16_t to[] = u"\"\\/\b\f\n\r\t";
            if (const qsizetype k = from.indexOf(e); k >= 0) {
                out += QChar(to[k]);
                m_at += 2;
            } else if (e == u'u') {
                const int unit = hexUnit(m_at + 2);
                if (unit < 0)
                    return fail(QStringLiteral("malformed \\u escape"));
                out += QChar(char16_t(unit));
                m_at += 6;
            } else {
                return fail(QStringLiteral("unknown escape"));
            }
        }
        return fail(QStringLiteral("unterminated string"));
    }

    bool readNumber(Value &value)
    {
        const qsizetype start = m_at;
        const auto digits = [this] {
            const qsizetype from = m_at;
            while (!atEnd() && peek() >= u'0' && peek() <= u'9')
                ++m_at;
            return m_at > from;
        };
        if (peek() == u'-')
            ++m_at;
        if (peek() == u'0')
            ++m_at;
        else if (!digits())
            return fail(QStringLiteral("unexpected character"));
        if (peek() == u'.') {
            ++m_at;
            if (!digits())
                return fail(QStringLiteral("malformed number"));
        }
        if (peek() == u'e' || peek() == u'E') {
            ++m_at;
            if (peek() == u'+' || peek() == u'-')
                ++m_at;
            if (!digits())
                return fail(QStringLiteral("malformed number"));
        }
        value.kind = Value::Kind::Number;
        value.number = m_text.sliced(start, m_at - start).toDouble();
        return true;
    }

    QStringView m_text;
    qsizetype m_at = 0;
    QString m_error;
};

} // namespace

const Value *Value::member(QStringView key) const
{
    for (const auto &[name, value] : members) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

Parsed parse(QStringView text)
{
    return Reader(text).run();
}

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

} // namespace orderedjson
