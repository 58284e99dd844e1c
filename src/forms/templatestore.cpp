// SPDX-License-Identifier: MIT
#include "forms/templatestore.h"

#include "color/numbers.h"

#include <QString>

namespace templatestore {

namespace {

std::optional<QString> unescaped(QStringView line)
{
    QString text;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != u'\\') {
            text += line[i];
            continue;
        }
        if (i + 5 >= line.size() || line[i + 1] != u'u')
            return std::nullopt;
        char16_t unit = 0;
        for (qsizetype k = i + 2; k < i + 6; ++k) {
            const int digit = numbers::hexDigitValue(line[k].unicode());
            if (digit < 0)
                return std::nullopt;
            unit = char16_t(unit * 16 + digit);
        }
        text += QChar(unit);
        i += 5;
    }
    return text;
}

} // namespace

std::string write(const QStringList &templates)
{
    std::string text;
    for (const QString &t : templates) {
        for (const QChar c : t) {
            if (c >= u' ' && c <= u'~' && c != u'\\') {
                text += char(c.unicode());
            } else {
                text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0')).toStdString();
            }
        }
        text += '\n';
    }
    return text;
}

QStringList read(std::string_view text)
{
    QStringList templates;
    const QString decoded = QString::fromUtf8(text.data(), qsizetype(text.size()));
    for (QStringView line : QStringView(decoded).tokenize(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const std::optional<QString> t = unescaped(line);
        if (t && !t->isEmpty() && t->size() <= kLongestTemplate && templates.size() < kMostTemplates)
            templates.append(*t);
    }
    return templates;
}

} // namespace templatestore
