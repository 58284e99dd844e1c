// SPDX-License-Identifier: MIT
#include "color/colorparse.h"

#include "color/csscolor.h"
#include "color/csstokens.h"
#include "color/numbers.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

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
    static Rgb of(QRgb rgb) { return {qRed(rgb), qGreen(rgb), qBlue(rgb)}; }
};

// One colour read from a text, whether the text gave it an alpha below 1, lay outside sRGB or was the
// light colour of light-dark().
struct Single
{
    Rgb rgb;
    bool transparent = false;
    bool mapped = false;
    bool lightTaken = false;
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

QStringView trimmedBlanks(QStringView text)
{
    while (!text.isEmpty() && csstokens::isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && csstokens::isBlank(text.back()))
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

// A CSS colour as the program shows it: in sRGB, its alpha told but not kept.
Single shown(const csscolor::Color &color, bool lightTaken = false)
{
    const gamutmap::Result rgb = csscolor::toRgb(color);
    return {Rgb::of(rgb.rgb), color.alphaMissing || color.alpha < 1, rgb.mapped, lightTaken};
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

// "64, 128, 192" of QColor(), Color.FromArgb(), new Color() and a Python tuple: three whole numbers 0..255.
std::optional<Single> parseIntegerLiteral(QStringView inner)
{
    std::array<int, 3> channels{};
    int count = 0;
    for (QStringView item : inner.tokenize(u',')) {
        item = trimmedBlanks(item);
        if (count == 3 || item.isEmpty() || item.size() > 3 ||
            !std::all_of(item.begin(), item.end(), isDigit))
            return std::nullopt;
        channels[count] = item.toInt();
        if (channels[count++] > 255)
            return std::nullopt;
    }
    if (count != 3)
        return std::nullopt;
    return Single{{channels[0], channels[1], channels[2]}};
}

// Swift's "red: 0.251, green: 0.502, blue: 0.753", each 0..1 as in color(srgb).
std::optional<Single> parseSwift(QStringView inner)
{
    static constexpr std::array<QStringView, 3> kLabels = {u"red:", u"green:", u"blue:"};
    csscolor::Color color;
    int i = 0;
    for (QStringView part : inner.tokenize(u',')) {
        part = trimmedBlanks(part);
        if (i == 3 || !part.startsWith(kLabels[i]))
            return std::nullopt;
        const std::optional<csstokens::Number> n =
            csstokens::number(trimmedBlanks(part.mid(kLabels[i].size())));
        if (!n || !n->rest.isEmpty())
            return std::nullopt;
        color.c[i++] = n->value;
    }
    if (i != 3)
        return std::nullopt;
    return shown(color);
}

// The program literals written as a call: QColor(), Color.FromArgb(), new Color(), a Python tuple and
// Swift's Color(red:, green:, blue:); nothing for any other text.
std::optional<Single> parseProgramLiteral(QStringView text, bool *isLiteral)
{
    const qsizetype open = text.indexOf(u'(');
    *isLiteral = false;
    if (open < 0 || !text.endsWith(u')'))
        return std::nullopt;
    const QStringView name = trimmedBlanks(text.left(open));
    const QStringView inner = trimmedBlanks(text.mid(open + 1, text.size() - open - 2));
    if (name == u"color" && inner.startsWith(u"red:")) {
        *isLiteral = true;
        return parseSwift(inner);
    }
    if (name.isEmpty() || name == u"qcolor" || name == u"color.fromargb" || name == u"new color") {
        *isLiteral = true;
        return parseIntegerLiteral(inner);
    }
    return std::nullopt;
}

// One colour from a trimmed, lower-case text; refusal tells why a colour of a page is no colour here.
std::optional<Single> parseSingle(QStringView text, QString *refusal = nullptr)
{
    const auto opaque = [](std::optional<Rgb> rgb) {
        return rgb ? std::optional(Single{*rgb}) : std::nullopt;
    };
    if (text.startsWith(u"0x"))
        return parseZeroX(text.mid(2));
    if (text.startsWith(u"&h"))
        return opaque(parseVisualBasic(text.mid(2)));
    // The program's own decimal form, "12615744 (decimal)", is decimal at any length.
    if (text.endsWith(u"(decimal)"))
        return opaque(parseDecimal(trimmedBlanks(text.chopped(9))));
    // Six bare digits are what a web author copies from a hexadecimal code without its "#".
    if (text.size() == 6 && hexNumber(text)) {
        const std::optional<csscolor::Color> hash = csscolor::hashColor(text);
        return hash ? std::optional(shown(*hash)) : std::nullopt;
    }
    if (!text.isEmpty() && isDigit(text.front()))
        return opaque(parseDecimal(text));
    bool isLiteral = false;
    if (std::optional<Single> literal = parseProgramLiteral(text, &isLiteral); isLiteral)
        return literal;
    const csscolor::Read css = csscolor::read(text);
    if (refusal)
        *refusal = css.refusal;
    return css.color ? std::optional(shown(*css.color, css.lightTaken)) : std::nullopt;
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
    } else if (const std::optional<Single> one = parseSingle(lower, &result.refusal)) {
        result.count = 1;
        result.colors[0] = one->rgb.toQRgb();
        result.transparencyIgnored = one->transparent;
        result.gamutMapped = one->mapped;
        result.lightTaken = one->lightTaken;
    }
    return result;
}

std::optional<QRgb> parseOneColor(QStringView text)
{
    const ParsedColors parsed = parseColorText(text);
    return parsed.count == 1 ? std::optional(parsed.colors[0]) : std::nullopt;
}

} // namespace colorparse
