// SPDX-License-Identifier: MIT
#include "pairs/pairstore.h"

#include "color/numbers.h"
#include "pairs/pairnames.h"

#include <QString>

#include <algorithm>

namespace pairstore {

namespace {

// The value of count hexadecimal digits at the start of text, or -1.
qint64 hexNumber(std::string_view text, size_t count)
{
    if (text.size() < count)
        return -1;
    qint64 value = 0;
    for (size_t i = 0; i < count; ++i) {
        const int digit = numbers::hexDigitValue(static_cast<unsigned char>(text[i]));
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

void appendColor(std::string &text, const PairColor &color)
{
    static const char digits[] = "0123456789abcdef";
    const QRgb rgb = color.rgb & 0xFFFFFFu;
    for (int shift = 20; shift >= 0; shift -= 4)
        text += digits[(rgb >> shift) & 0xF];
    text += ' ';
    text += char('0' + std::clamp(color.baseChannel, 0, 2));
    text += ' ';
}

// "rrggbb c " at the start of line, taken off it.
std::optional<PairColor> takeColor(std::string_view &line)
{
    const qint64 rgb = hexNumber(line, 6);
    if (rgb < 0 || line.size() < 9 || line[6] != ' ' || line[7] < '0' || line[7] > '2' || line[8] != ' ')
        return std::nullopt;
    const PairColor color{0xFF000000u | QRgb(rgb), line[7] - '0'};
    line.remove_prefix(9);
    return color;
}

std::optional<QString> unescaped(std::string_view text)
{
    QString out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            if (i + 1 >= text.size() || text[i + 1] != 'u')
                return std::nullopt;
            const qint64 unit = hexNumber(text.substr(i + 2), 4);
            if (unit < 0)
                return std::nullopt;
            out += QChar(char16_t(unit));
            i += 5;
        } else if (c >= ' ' && c <= '~') {
            out += QLatin1Char(c);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// Calls each with every line of text that holds more than a CR, without its LF.
template <typename Each> void forEachLine(std::string_view text, Each each)
{
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line != "\r")
            each(line);
    }
}

std::optional<NamedPair> readLine(std::string_view line)
{
    if (line.back() == '\r')
        line.remove_suffix(1);
    const std::optional<PairColor> background = takeColor(line);
    const std::optional<PairColor> foreground = background ? takeColor(line) : std::nullopt;
    const std::optional<QString> name = foreground ? unescaped(line) : std::nullopt;
    const QString kept = name ? pairnames::cleaned(*name) : QString();
    if (kept.isEmpty())
        return std::nullopt;
    return NamedPair{kept, *background, *foreground};
}

} // namespace

std::string write(const NamedPairs &pairs)
{
    std::string text;
    for (const NamedPair &pair : pairs) {
        appendColor(text, pair.background);
        appendColor(text, pair.foreground);
        for (const QChar c : pair.name) {
            if (c >= u' ' && c <= u'~' && c != u'\\')
                text += char(c.unicode());
            else
                text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0')).toStdString();
        }
        text += '\n';
    }
    return text;
}

NamedPairs read(std::string_view text)
{
    NamedPairs pairs;
    forEachLine(text, [&pairs](std::string_view line) {
        if (std::optional<NamedPair> pair = readLine(line))
            pairs.append(std::move(*pair));
    });
    return pairs;
}

std::string unreadLines(std::string_view text)
{
    std::string lines;
    forEachLine(text, [&lines](std::string_view line) {
        if (!readLine(line))
            lines.append(line).append(1, '\n');
    });
    return lines;
}

storedvalues::Reading stored(platform::Registry *registry)
{
    return storedvalues::readWhole(registry, kSavedName);
}

std::string save(platform::Registry *registry, const NamedPairs &pairs)
{
    return storedvalues::write(registry, {{kSavedName, write(pairs)}});
}

std::string update(platform::Registry *registry, const Edit &edit, std::optional<std::string> *written)
{
    std::optional<std::string> text;
    const std::string status = storedvalues::update(
        registry, {kSavedName}, [&](const std::vector<std::optional<std::string>> &found) {
            text.reset();
            const std::string before = found[0].value_or(std::string());
            const std::optional<NamedPairs> pairs = edit(before, read(before));
            if (!pairs)
                return std::vector<storedvalues::Value>();
            text = write(*pairs) + unreadLines(before);
            return std::vector<storedvalues::Value>{{kSavedName, *text}};
        });
    if (written) {
        // As the store gives it back: without the line end of its last line.
        while (text && !text->empty() && static_cast<unsigned char>(text->back()) < 32)
            text->pop_back();
        *written = status.starts_with('0') ? text : std::nullopt;
    }
    return status;
}

} // namespace pairstore
