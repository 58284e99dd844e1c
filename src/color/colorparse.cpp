// SPDX-License-Identifier: MIT
#include "color/colorparse.h"

#include "color/colornames.h"

#include <QList>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>

namespace colorparse {

namespace {

constexpr quint32 kLargestPacked = 0xFFFFFF;

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
    QRgb toQRgb() const { return qRgb(red, green, blue); }
};

// Only ASCII letters are folded: a full Unicode fold would turn the Kelvin sign into "k" and let
// look-alike letters spell a colour name.
QString asciiLower(QStringView text)
{
    QString lower = text.trimmed().toString();
    for (QChar &c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lower;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int hexDigit(QChar c)
{
    if (isDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

// Up to six hexadecimal digits, more would not fit a colour anyway.
std::optional<quint32> hexNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 6)
        return std::nullopt;
    quint32 value = 0;
    for (QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint32(digit);
    }
    return value;
}

Rgb fromRrggbb(quint32 value)
{
    return {int(value >> 16) & 0xFF, int(value >> 8) & 0xFF, int(value) & 0xFF};
}

// The program's packed order: red + 256 green + 65536 blue.
Rgb fromPacked(quint32 value)
{
    return {int(value) & 0xFF, int(value >> 8) & 0xFF, int(value >> 16) & 0xFF};
}

std::optional<Rgb> parseHash(QStringView digits)
{
    const std::optional<quint32> value = hexNumber(digits);
    if (!value)
        return std::nullopt;
    if (digits.size() == 6)
        return fromRrggbb(*value);
    if (digits.size() == 3) {
        // "#4AC" is "#44AACC": each digit doubled, which is the digit times 17.
        return Rgb{int(*value >> 8) * 17, int((*value >> 4) & 0xF) * 17, int(*value & 0xF) * 17};
    }
    return std::nullopt;
}

std::optional<Rgb> parseDecimal(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint32 value = 0;
    for (QChar c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + quint32(c.unicode() - u'0');
        if (value > kLargestPacked)
            return std::nullopt;
    }
    return fromPacked(value);
}

// "&HC08040" or "&HC08040&": Visual Basic's long literal, blue first.
std::optional<Rgb> parseVisualBasic(QStringView digits)
{
    if (digits.endsWith(u'&'))
        digits.chop(1);
    const std::optional<quint32> value = hexNumber(digits);
    return value ? std::optional(fromPacked(*value)) : std::nullopt;
}

enum class Unit { None, Percent, Degrees };

struct Number
{
    double value = 0;
    Unit unit = Unit::None;
};

// A CSS number without exponent ("12", "-3.5", ".5"), optionally followed by "%" or "deg".
std::optional<Number> parseNumber(QStringView token)
{
    qsizetype i = 0;
    if (i < token.size() && (token[i] == u'-' || token[i] == u'+'))
        ++i;
    qsizetype digits = 0;
    while (i < token.size() && isDigit(token[i]))
        ++i, ++digits;
    if (i < token.size() && token[i] == u'.') {
        ++i;
        while (i < token.size() && isDigit(token[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = token.left(i).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const QStringView unit = token.mid(i);
    if (unit.isEmpty())
        return Number{value, Unit::None};
    if (unit == u"%")
        return Number{value, Unit::Percent};
    if (unit == u"deg")
        return Number{value, Unit::Degrees};
    return std::nullopt;
}

// Fractions of a channel are rounded to the nearest whole value, halves upward: 50% of 255 is 127.5,
// which gives 128, as browsers show rgb(50%, 50%, 50%).
int roundChannel(double value)
{
    return int(std::floor(value + 0.5));
}

std::optional<int> rgbChannel(const Number &n)
{
    if (n.unit == Unit::None && n.value >= 0 && n.value <= 255)
        return roundChannel(n.value);
    if (n.unit == Unit::Percent && n.value >= 0 && n.value <= 100)
        return roundChannel(n.value * 255 / 100);
    return std::nullopt;
}

std::optional<double> percentFraction(const Number &n)
{
    if (n.unit == Unit::Percent && n.value >= 0 && n.value <= 100)
        return n.value / 100;
    return std::nullopt;
}

bool validAlpha(QStringView token)
{
    const std::optional<Number> n = parseNumber(token);
    if (!n)
        return false;
    if (n->unit == Unit::None)
        return n->value >= 0 && n->value <= 1;
    return percentFraction(*n).has_value();
}

// CSS Color 4's conversion; each channel is then rounded like the others (nearest, halves upward).
Rgb fromHsl(double hue, double saturation, double lightness)
{
    hue = std::fmod(hue, 360.0);
    if (hue < 0)
        hue += 360.0;
    const double a = saturation * std::min(lightness, 1 - lightness);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        const double unit = lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
        // The tiny allowance keeps an exact half that floating point lands just below from rounding down.
        return std::clamp(roundChannel(unit * 255 + 1e-9), 0, 255);
    };
    return {channel(0), channel(8), channel(4)};
}

QList<QStringView> blankSeparated(QStringView text)
{
    QList<QStringView> tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !text[i].isSpace())
            ++i;
        if (i > start)
            tokens.append(text.mid(start, i - start));
    }
    return tokens;
}

// rgb(), rgba(), hsl(), hsla() with three components and an optional alpha, comma separated
// ("rgb(1, 2, 3, 0.5)") or blank separated ("rgb(1 2 3 / 50%)").
std::optional<Rgb> parseFunction(QStringView text)
{
    const qsizetype open = text.indexOf(u'(');
    if (open < 0 || !text.endsWith(u')'))
        return std::nullopt;
    const QStringView name = text.left(open).trimmed();
    const QStringView inner = text.mid(open + 1, text.size() - open - 2);
    if (inner.contains(u'(') || inner.contains(u')'))
        return std::nullopt;

    QList<QStringView> parts;
    std::optional<QStringView> alpha;
    if (inner.contains(u',')) {
        if (inner.contains(u'/'))
            return std::nullopt;
        for (QStringView part : inner.split(u','))
            parts.append(part.trimmed());
        if (parts.size() == 4)
            alpha = parts.takeLast();
    } else {
        const qsizetype slash = inner.indexOf(u'/');
        parts = blankSeparated(slash < 0 ? inner : inner.left(slash));
        if (slash >= 0) {
            const QList<QStringView> rest = blankSeparated(inner.mid(slash + 1));
            if (rest.size() != 1)
                return std::nullopt;
            alpha = rest.front();
        }
    }
    if (parts.size() != 3 || (alpha && !validAlpha(*alpha)))
        return std::nullopt;
    std::array<Number, 3> n;
    for (int i = 0; i < 3; ++i) {
        const std::optional<Number> parsed = parseNumber(parts[i]);
        if (!parsed)
            return std::nullopt;
        n[i] = *parsed;
    }

    if (name == u"rgb" || name == u"rgba") {
        const std::optional<int> r = rgbChannel(n[0]), g = rgbChannel(n[1]), b = rgbChannel(n[2]);
        if (!r || !g || !b)
            return std::nullopt;
        return Rgb{*r, *g, *b};
    }
    if (name == u"hsl" || name == u"hsla") {
        const std::optional<double> s = percentFraction(n[1]), l = percentFraction(n[2]);
        if (n[0].unit == Unit::Percent || !s || !l)
            return std::nullopt;
        return fromHsl(n[0].value, *s, *l);
    }
    return std::nullopt;
}

bool isAsciiWord(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

// One colour from a trimmed, lower-case text.
std::optional<Rgb> parseSingle(QStringView text)
{
    if (text.startsWith(u'#'))
        return parseHash(text.mid(1));
    if (text.startsWith(u"0x"))
        return text.size() == 8 ? parseHash(text.mid(2)) : std::nullopt;
    if (text.startsWith(u"&h"))
        return parseVisualBasic(text.mid(2));
    if (!text.isEmpty() && isDigit(text.front()))
        return parseDecimal(text);
    if (text.contains(u'('))
        return parseFunction(text);
    if (isAsciiWord(text)) {
        const std::optional<quint32> value = namedColor(text);
        return value ? std::optional(fromRrggbb(*value)) : std::nullopt;
    }
    return std::nullopt;
}

// What one block of the full report says; every line is optional, but none may appear twice.
struct ReportBlock
{
    bool started = false;
    std::array<std::optional<int>, 3> channels;
    std::optional<Rgb> html, decimal, visualBasic, rgbCall;
};

constexpr std::array<QStringView, 2> kHeadings = {u"background color:", u"foreground color:"};

// Adds one trimmed, lower-case, non-empty line to a block; false when it is no line of the report,
// repeats one, or says something impossible.
bool addReportLine(ReportBlock &block, QStringView line)
{
    static const QRegularExpression channelLine(
        QStringLiteral(R"(^(red|green|blue)\s+(\d{1,3})\s+\(dec\.\)\s+([0-9a-f]{1,2})\s+\(hex\.\)$)"));
    static const QRegularExpression valueLine(QStringLiteral(
        R"(^(.+?)\s+\((decimal|hexadecimal for html|hexadecimal for visual basic|rgb function for visual basic)\)$)"));

    if (const QRegularExpressionMatch m = channelLine.match(line); m.hasMatch()) {
        const int index = m.capturedView(1) == u"red" ? 0 : m.capturedView(1) == u"green" ? 1 : 2;
        const int value = m.capturedView(2).toInt();
        const std::optional<quint32> hex = hexNumber(m.capturedView(3));
        if (block.channels[index] || value > 255 || !hex || *hex != quint32(value))
            return false;
        block.channels[index] = value;
        return true;
    }
    const QRegularExpressionMatch m = valueLine.match(line);
    if (!m.hasMatch())
        return false;
    const QStringView value = m.capturedView(1);
    const QStringView label = m.capturedView(2);
    std::optional<Rgb> *slot = nullptr;
    bool formFits = false;
    if (label == u"decimal") {
        slot = &block.decimal;
        formFits = isDigit(value.front());
    } else if (label == u"hexadecimal for html") {
        slot = &block.html;
        formFits = value.startsWith(u'#');
    } else if (label == u"hexadecimal for visual basic") {
        slot = &block.visualBasic;
        formFits = value.startsWith(u"&h");
    } else {
        slot = &block.rgbCall;
        formFits = value.startsWith(u"rgb(");
    }
    if (*slot || !formFits)
        return false;
    *slot = parseSingle(value);
    return slot->has_value();
}

// The block's colour: from its HTML line, or else from its three channel lines; nothing when neither
// is there or when any line disagrees with it.
std::optional<Rgb> blockColor(const ReportBlock &block)
{
    std::optional<Rgb> color = block.html;
    if (!color && block.channels[0] && block.channels[1] && block.channels[2])
        color = Rgb{*block.channels[0], *block.channels[1], *block.channels[2]};
    if (!color)
        return std::nullopt;
    const std::array<int, 3> values = {color->red, color->green, color->blue};
    for (int i = 0; i < 3; ++i) {
        if (block.channels[i] && *block.channels[i] != values[i])
            return std::nullopt;
    }
    for (const std::optional<Rgb> &other : {block.decimal, block.visualBasic, block.rgbCall}) {
        if (other && *other != *color)
            return std::nullopt;
    }
    return color;
}

// Both blocks of the report, in either order; lines may end in CR LF or LF, blank lines are skipped.
std::optional<std::array<Rgb, 2>> parseReport(QStringView text)
{
    std::array<ReportBlock, 2> blocks;
    ReportBlock *current = nullptr;
    for (QStringView line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line == kHeadings[0] || line == kHeadings[1]) {
            current = &blocks[line == kHeadings[0] ? 0 : 1];
            if (current->started)
                return std::nullopt;
            current->started = true;
        } else if (!current || !addReportLine(*current, line)) {
            return std::nullopt;
        }
    }
    const std::optional<Rgb> background = blockColor(blocks[0]);
    const std::optional<Rgb> foreground = blockColor(blocks[1]);
    if (!background || !foreground)
        return std::nullopt;
    return std::array<Rgb, 2>{*background, *foreground};
}

} // namespace

ParsedColors parseColorText(QStringView text)
{
    const QString lower = asciiLower(text);
    ParsedColors result;
    if (lower.startsWith(kHeadings[0]) || lower.startsWith(kHeadings[1])) {
        if (const std::optional<std::array<Rgb, 2>> both = parseReport(lower)) {
            result.count = 2;
            result.colors = {(*both)[0].toQRgb(), (*both)[1].toQRgb()};
        }
    } else if (const std::optional<Rgb> one = parseSingle(lower)) {
        result.count = 1;
        result.colors[0] = one->toQRgb();
    }
    return result;
}

std::optional<QRgb> parseOneColor(QStringView text)
{
    const ParsedColors parsed = parseColorText(text);
    return parsed.count == 1 ? std::optional(parsed.colors[0]) : std::nullopt;
}

} // namespace colorparse
