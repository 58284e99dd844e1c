// SPDX-License-Identifier: MIT
#include "color/csstokens.h"

#include <algorithm>
#include <cmath>

namespace csstokens {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isNameChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || isDigit(c) || c == u'-' || c == u'_';
}

bool startsNumber(QStringView text)
{
    qsizetype i = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    if (i < text.size() && text[i] == u'.')
        ++i;
    return i < text.size() && isDigit(text[i]);
}

} // namespace

std::optional<Number> number(QStringView token)
{
    const auto digitsFrom = [&](qsizetype &i) {
        const qsizetype start = i;
        while (i < token.size() && isDigit(token[i]))
            ++i;
        return i - start;
    };
    qsizetype i = 0;
    if (i < token.size() && (token[i] == u'-' || token[i] == u'+'))
        ++i;
    qsizetype digits = digitsFrom(i);
    if (i < token.size() && token[i] == u'.' && i + 1 < token.size() && isDigit(token[i + 1])) {
        ++i;
        digits += digitsFrom(i);
    }
    if (digits == 0)
        return std::nullopt;
    bool exponent = false;
    if (i < token.size() && token[i] == u'e') {
        qsizetype j = i + 1;
        if (j < token.size() && (token[j] == u'-' || token[j] == u'+'))
            ++j;
        if (digitsFrom(j) > 0) {
            i = j;
            exponent = true;
        }
    }
    // Up to 15 digits without exponent: the digits as a whole number over a power of ten, both exact, so
    // their quotient is the correctly rounded value, as the general conversion gives it, without its cost.
    const QStringView text = token.left(i);
    if (digits <= 15 && !exponent) {
        static constexpr double kPowers[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        qint64 whole = 0;
        int places = -1;
        for (const QChar c : text) {
            if (c == u'.')
                places = 0;
            else if (isDigit(c)) {
                whole = whole * 10 + (c.unicode() - u'0');
                if (places >= 0)
                    ++places;
            }
        }
        const double value = double(whole) / kPowers[std::max(places, 0)];
        return Number{text.front() == u'-' ? -value : value, token.mid(i)};
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return Number{value, token.mid(i)};
}

std::optional<std::vector<Token>> tokenize(QStringView text)
{
    std::vector<Token> tokens;
    // Enough for any colour function of three numbers and an alpha, so that reading one allocates once.
    tokens.reserve(16);
    bool space = false;
    qsizetype i = 0;
    const auto add = [&](Kind kind, qsizetype length) {
        tokens.push_back({kind, text.mid(i, length), 0, {}, space});
        i += length;
        space = false;
    };
    while (i < text.size()) {
        const QChar c = text[i];
        if (isBlank(c)) {
            space = true;
            ++i;
        } else if (startsNumber(text.mid(i))) {
            const std::optional<Number> n = number(text.mid(i));
            if (!n)
                return std::nullopt;
            const qsizetype end = text.size() - n->rest.size();
            qsizetype unitEnd = end;
            while (unitEnd < text.size() && text[unitEnd] >= u'a' && text[unitEnd] <= u'z')
                ++unitEnd;
            Token token{Kind::Number, text.mid(i, unitEnd - i), n->value, {}, space};
            if (end < text.size() && text[end] == u'%') {
                token.kind = Kind::Percentage;
                unitEnd = end + 1;
                token.text = text.mid(i, unitEnd - i);
            } else if (unitEnd > end) {
                token.kind = Kind::Dimension;
                token.unit = text.mid(end, unitEnd - end);
            }
            tokens.push_back(token);
            i = unitEnd;
            space = false;
        } else if (c == u'#') {
            qsizetype end = i + 1;
            while (end < text.size() && isNameChar(text[end]))
                ++end;
            tokens.push_back({Kind::Hash, text.mid(i + 1, end - i - 1), 0, {}, space});
            i = end;
            space = false;
        } else if ((c >= u'a' && c <= u'z') || c == u'_' ||
                   (c == u'-' && i + 1 < text.size() && !isDigit(text[i + 1]) && isNameChar(text[i + 1]))) {
            qsizetype end = i + 1;
            while (end < text.size() && isNameChar(text[end]))
                ++end;
            if (end < text.size() && text[end] == u'(') {
                tokens.push_back({Kind::Function, text.mid(i, end - i), 0, {}, space});
                i = end + 1;
                space = false;
            } else {
                add(Kind::Ident, end - i);
            }
        } else if (c == u',') {
            add(Kind::Comma, 1);
        } else if (c == u'/') {
            add(Kind::Slash, 1);
        } else if (c == u'(') {
            add(Kind::Open, 1);
        } else if (c == u')') {
            add(Kind::Close, 1);
        } else if (c == u'+' || c == u'-' || c == u'*') {
            add(Kind::Delim, 1);
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

} // namespace csstokens
