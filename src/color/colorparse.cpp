// SPDX-License-Identifier: MIT
#include "color/colorparse.h"

#include "color/colornames.h"
#include "color/colorspaces.h"
#include "color/numbers.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace colorparse {

namespace {

using colorspaces::Space;

constexpr quint32 kLargestPacked = 0xFFFFFF;

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
    QRgb toQRgb() const { return qRgb(red, green, blue); }
    static Rgb of(QRgb rgb) { return {qRed(rgb), qGreen(rgb), qBlue(rgb)}; }
};

// One colour read from a text, and whether the text gave it an alpha below 1.
struct Single
{
    Rgb rgb;
    bool transparent = false;
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

// CSS separates with these blanks only.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

QStringView trimmedBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Up to eight hexadecimal digits, more would not fit a colour anyway.
std::optional<quint32> hexNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    quint32 value = 0;
    for (QChar c : digits) {
        const int digit = numbers::hexDigitValue(c.unicode());
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

// "#rgb", "#rgba", "#rrggbb" or "#rrggbbaa", without the "#".
std::optional<Single> parseHash(QStringView digits)
{
    const qsizetype n = digits.size();
    const std::optional<quint32> value = hexNumber(digits);
    if (!value || (n != 3 && n != 4 && n != 6 && n != 8))
        return std::nullopt;
    if (n <= 4) {
        // "#4AC" is "#44AACC": each digit doubled, which is the digit times 17.
        const auto digit = [&](qsizetype i) { return int(*value >> (4 * (n - 1 - i))) & 0xF; };
        return Single{{digit(0) * 17, digit(1) * 17, digit(2) * 17}, n == 4 && digit(3) != 0xF};
    }
    return Single{fromRrggbb(n == 8 ? *value >> 8 : *value), n == 8 && (*value & 0xFF) != 0xFF};
}

// "0xRRGGBB", or the Android "0xAARRGGBB", without the "0x".
std::optional<Single> parseZeroX(QStringView digits)
{
    const std::optional<quint32> value = hexNumber(digits);
    if (!value || (digits.size() != 6 && digits.size() != 8))
        return std::nullopt;
    return Single{fromRrggbb(*value & 0xFFFFFF), digits.size() == 8 && (*value >> 24) != 0xFF};
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

// "&HC08040" or "&HC08040&": Visual Basic's long literal, blue first, one to six digits.
std::optional<Rgb> parseVisualBasic(QStringView digits)
{
    if (digits.endsWith(u'&'))
        digits.chop(1);
    const std::optional<quint32> value = digits.size() <= 6 ? hexNumber(digits) : std::nullopt;
    return value ? std::optional(fromPacked(*value)) : std::nullopt;
}

// A CSS number ("12", "-3.5", ".5", "1e2") and the unit written after it.
struct Number
{
    double value = 0;
    QStringView unit;
};

std::optional<Number> parseNumber(QStringView token)
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
    if (i < token.size() && token[i] == u'.') {
        ++i;
        digits += digitsFrom(i);
    }
    if (digits == 0)
        return std::nullopt;
    if (i < token.size() && token[i] == u'e') {
        qsizetype j = i + 1;
        if (j < token.size() && (token[j] == u'-' || token[j] == u'+'))
            ++j;
        if (digitsFrom(j) > 0)
            i = j;
    }
    // Up to 15 digits without exponent: the digits as a whole number over a power of ten, both exact, so
    // their quotient is the correctly rounded value, as the general conversion gives it, without its cost.
    const QStringView number = token.left(i);
    if (digits <= 15 && !number.contains(u'e')) {
        static constexpr double kPowers[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        qint64 whole = 0;
        int places = -1;
        for (const QChar c : number) {
            if (c == u'.')
                places = 0;
            else if (isDigit(c)) {
                whole = whole * 10 + (c.unicode() - u'0');
                if (places >= 0)
                    ++places;
            }
        }
        const double value = double(whole) / kPowers[std::max(places, 0)];
        return Number{number.front() == u'-' ? -value : value, token.mid(i)};
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return Number{value, token.mid(i)};
}

// One component of a CSS colour function; angles are in degrees.
enum class Kind { Number, Percent, Angle, None };

struct Component
{
    Kind kind = Kind::None;
    double value = 0;
};

std::optional<Component> parseComponent(QStringView token)
{
    if (token == u"none")
        return Component{};
    const std::optional<Number> n = parseNumber(token);
    if (!n)
        return std::nullopt;
    if (n->unit.isEmpty())
        return Component{Kind::Number, n->value};
    if (n->unit == u"%")
        return Component{Kind::Percent, n->value};
    static constexpr std::pair<const char16_t *, double> kAngles[] = {
        {u"deg", 1}, {u"grad", 0.9}, {u"rad", 180 / std::numbers::pi}, {u"turn", 360}};
    for (const auto &[unit, degrees] : kAngles) {
        if (n->unit == QStringView(unit))
            return Component{Kind::Angle, n->value * degrees};
    }
    return std::nullopt;
}

// The alpha of a colour, 0..1 (numbers and percentages clamped, none counting as 0).
std::optional<double> parseAlpha(QStringView token)
{
    const std::optional<Component> c = parseComponent(token);
    if (!c || c->kind == Kind::Angle)
        return std::nullopt;
    const double alpha = c->kind == Kind::Percent ? c->value / 100 : c->value;
    return std::clamp(alpha, 0.0, 1.0);
}

// The arguments between a function's brackets: comma separated ("1, 2, 3, 0.5", the legacy form) or
// blank separated with an optional alpha after a slash ("1 2 3 / 50%").
struct Arguments
{
    std::array<QStringView, 3> items;
    int count = 0;
    bool legacy = false;
    std::optional<QStringView> alpha;
};

// Splits text into at most three blank-separated tokens; false for more.
bool blankSeparated(QStringView text, Arguments &arguments)
{
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > start) {
            if (arguments.count == 3)
                return false;
            arguments.items[arguments.count++] = text.mid(start, i - start);
        }
    }
    return true;
}

std::optional<Arguments> splitArguments(QStringView inner)
{
    Arguments arguments;
    if (inner.contains(u',')) {
        if (inner.contains(u'/'))
            return std::nullopt;
        arguments.legacy = true;
        for (QStringView part : inner.tokenize(u',')) {
            part = trimmedBlanks(part);
            if (arguments.count == 3) {
                if (arguments.alpha)
                    return std::nullopt;
                arguments.alpha = part;
            } else {
                arguments.items[arguments.count++] = part;
            }
        }
        return arguments;
    }
    const qsizetype slash = inner.indexOf(u'/');
    if (!blankSeparated(slash < 0 ? inner : inner.left(slash), arguments))
        return std::nullopt;
    if (slash >= 0) {
        Arguments rest;
        if (!blankSeparated(inner.mid(slash + 1), rest) || rest.count != 1)
            return std::nullopt;
        arguments.alpha = rest.items[0];
    }
    return arguments;
}

// How a CSS function reads its three components: the space it names, which component (if any) is a hue,
// and what 1% of each is worth in that space.
struct CssFunction
{
    const char16_t *name;
    Space space;
    int hue;
    std::array<double, 3> percent;
};

constexpr CssFunction kCssFunctions[] = {
    {u"rgb", Space::Rgb255, -1, {2.55, 2.55, 2.55}},
    {u"rgba", Space::Rgb255, -1, {2.55, 2.55, 2.55}},
    {u"hsl", Space::Hsl, 0, {0, 1, 1}},
    {u"hsla", Space::Hsl, 0, {0, 1, 1}},
    {u"hwb", Space::Hwb, 0, {0, 1, 1}},
    {u"lab", Space::Lab, -1, {1, 1.25, 1.25}},
    {u"lch", Space::Lch, 2, {1, 1.5, 0}},
    {u"oklab", Space::Oklab, -1, {0.01, 0.004, 0.004}},
    {u"oklch", Space::Oklch, 2, {0.01, 0.004, 0}},
    {u"color", Space::Srgb, -1, {0.01, 0.01, 0.01}},
};

// The legacy comma form exists for rgb() and hsl() only, and takes no "none": rgb() all numbers or all
// percentages, hsl() a hue and two percentages.
bool legacyKindsFit(Space space, const std::array<Component, 3> &c)
{
    if (space == Space::Rgb255)
        return c[0].kind != Kind::None && c[1].kind == c[0].kind && c[2].kind == c[0].kind;
    return space == Space::Hsl && c[0].kind != Kind::None && c[1].kind == Kind::Percent &&
           c[2].kind == Kind::Percent;
}

std::optional<Single> parseCssFunction(const CssFunction &function, const Arguments &arguments)
{
    if (arguments.count != 3)
        return std::nullopt;
    std::array<Component, 3> c;
    colorspaces::Triple values{};
    for (int i = 0; i < 3; ++i) {
        const std::optional<Component> parsed = parseComponent(arguments.items[i]);
        if (!parsed)
            return std::nullopt;
        c[i] = *parsed;
        const bool hue = i == function.hue;
        if ((hue && c[i].kind == Kind::Percent) || (!hue && c[i].kind == Kind::Angle))
            return std::nullopt;
        values[i] = c[i].kind == Kind::Percent ? c[i].value * function.percent[i] : c[i].value;
    }
    if (arguments.legacy && !legacyKindsFit(function.space, c))
        return std::nullopt;
    double alpha = 1;
    if (arguments.alpha) {
        const std::optional<double> parsed = parseAlpha(*arguments.alpha);
        if (!parsed || (arguments.legacy && *arguments.alpha == u"none"))
            return std::nullopt;
        alpha = *parsed;
    }
    return Single{Rgb::of(colorspaces::toRgb(function.space, values)), alpha < 1};
}

// "64, 128, 192" of QColor(), Color.FromArgb(), new Color() and a Python tuple: three whole numbers 0..255.
std::optional<Single> parseIntegerLiteral(const Arguments &arguments)
{
    if (!arguments.legacy || arguments.count != 3 || arguments.alpha)
        return std::nullopt;
    std::array<int, 3> channels{};
    for (int i = 0; i < 3; ++i) {
        const QStringView item = arguments.items[i];
        if (item.isEmpty() || item.size() > 3 || !std::all_of(item.begin(), item.end(), isDigit))
            return std::nullopt;
        channels[i] = item.toInt();
        if (channels[i] > 255)
            return std::nullopt;
    }
    return Single{{channels[0], channels[1], channels[2]}};
}

// Swift's "red: 0.251, green: 0.502, blue: 0.753", each 0..1 (clipped like color(srgb)).
std::optional<Single> parseSwift(QStringView inner)
{
    static constexpr std::array<QStringView, 3> kLabels = {u"red:", u"green:", u"blue:"};
    colorspaces::Triple values{};
    int i = 0;
    for (QStringView part : inner.tokenize(u',')) {
        part = trimmedBlanks(part);
        if (i == 3 || !part.startsWith(kLabels[i]))
            return std::nullopt;
        const std::optional<Number> n = parseNumber(trimmedBlanks(part.mid(kLabels[i].size())));
        if (!n || !n->unit.isEmpty())
            return std::nullopt;
        values[i++] = n->value;
    }
    if (i != 3)
        return std::nullopt;
    return Single{Rgb::of(colorspaces::toRgb(Space::Srgb, values))};
}

std::optional<Single> parseFunction(QStringView text)
{
    const qsizetype open = text.indexOf(u'(');
    if (open < 0 || !text.endsWith(u')'))
        return std::nullopt;
    const QStringView name = trimmedBlanks(text.left(open));
    QStringView inner = trimmedBlanks(text.mid(open + 1, text.size() - open - 2));
    if (inner.contains(u'(') || inner.contains(u')'))
        return std::nullopt;
    if (name == u"color" && inner.startsWith(u"red:"))
        return parseSwift(inner);
    if (name == u"color") {
        // Of color()'s spaces only sRGB, the one the program's colours live in.
        if (!inner.startsWith(u"srgb") || inner.size() < 5 || !isBlank(inner[4]))
            return std::nullopt;
        inner = inner.mid(5);
    }
    const std::optional<Arguments> arguments = splitArguments(inner);
    if (!arguments)
        return std::nullopt;
    if (name.isEmpty() || name == u"qcolor" || name == u"color.fromargb" || name == u"new color")
        return parseIntegerLiteral(*arguments);
    for (const CssFunction &function : kCssFunctions) {
        if (name == QStringView(function.name)) {
            if (arguments->legacy && function.space != Space::Rgb255 && function.space != Space::Hsl)
                return std::nullopt;
            return parseCssFunction(function, *arguments);
        }
    }
    return std::nullopt;
}

bool isAsciiWord(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

// One colour from a trimmed, lower-case text.
std::optional<Single> parseSingle(QStringView text)
{
    const auto opaque = [](std::optional<Rgb> rgb) {
        return rgb ? std::optional(Single{*rgb}) : std::nullopt;
    };
    if (text.startsWith(u'#'))
        return parseHash(text.mid(1));
    if (text.startsWith(u"0x"))
        return parseZeroX(text.mid(2));
    if (text.startsWith(u"&h"))
        return opaque(parseVisualBasic(text.mid(2)));
    // The program's own decimal form, "12615744 (decimal)", is decimal at any length.
    if (text.endsWith(u"(decimal)"))
        return opaque(parseDecimal(trimmedBlanks(text.chopped(9))));
    // Six bare digits are what a web author copies from a hexadecimal code without its "#".
    if (text.size() == 6 && hexNumber(text))
        return parseHash(text);
    if (!text.isEmpty() && isDigit(text.front()))
        return opaque(parseDecimal(text));
    if (text.contains(u'('))
        return parseFunction(text);
    // CSS's transparent is black with an alpha of 0.
    if (text == u"transparent")
        return Single{{0, 0, 0}, true};
    if (isAsciiWord(text)) {
        const std::optional<quint32> value = namedColor(text);
        return value ? std::optional(Single{fromRrggbb(*value)}) : std::nullopt;
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
    // The report's decimal is decimal at any length, and its other forms never have an alpha.
    if (label == u"decimal") {
        *slot = parseDecimal(value);
    } else if (const std::optional<Single> single = parseSingle(value); single && !single->transparent) {
        *slot = single->rgb;
    }
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
    } else if (const std::optional<Single> one = parseSingle(lower)) {
        result.count = 1;
        result.colors[0] = one->rgb.toQRgb();
        result.transparencyIgnored = one->transparent;
    }
    return result;
}

std::optional<QRgb> parseOneColor(QStringView text)
{
    const ParsedColors parsed = parseColorText(text);
    return parsed.count == 1 ? std::optional(parsed.colors[0]) : std::nullopt;
}

} // namespace colorparse
