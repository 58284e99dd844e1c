// SPDX-License-Identifier: MIT
#include "forms/formtemplate.h"

#include "color/visibletext.h"

#include <algorithm>
#include <array>

namespace formtemplate {

namespace {

struct Name
{
    QStringView name;
    Field field;
};

constexpr std::array<Name, 12> kNames = {{{u"r", Field::Red},
                                          {u"g", Field::Green},
                                          {u"b", Field::Blue},
                                          {u"R", Field::RedHex},
                                          {u"G", Field::GreenHex},
                                          {u"B", Field::BlueHex},
                                          {u"hex", Field::Hex},
                                          {u"HEX", Field::HexUpper},
                                          {u"rf", Field::RedUnit},
                                          {u"gf", Field::GreenUnit},
                                          {u"bf", Field::BlueUnit},
                                          {u"decimal", Field::Decimal}}};

bool takesDecimals(Field field)
{
    return field == Field::RedUnit || field == Field::GreenUnit || field == Field::BlueUnit;
}

// The placeholder between braces, or the error it makes.
Error readPlaceholder(QStringView inside, Placeholder &placeholder)
{
    QStringView name = inside;
    if (name.startsWith(u"bg.") || name.startsWith(u"fg.")) {
        placeholder.which = name.startsWith(u'b') ? Which::Background : Which::Foreground;
        name = name.mid(3);
    }
    const qsizetype colon = name.indexOf(u':');
    const QStringView digits = colon < 0 ? QStringView() : name.mid(colon + 1);
    if (colon >= 0)
        name = name.left(colon);
    const auto *found =
        std::find_if(kNames.begin(), kNames.end(), [&](const Name &n) { return n.name == name; });
    if (found == kNames.end())
        return Error::UnknownPlaceholder;
    placeholder.field = found->field;
    if (colon >= 0) {
        if (!takesDecimals(found->field) || digits.size() != 1 || digits[0] < u'0' || digits[0] > u'6')
            return Error::BadDecimals;
        placeholder.decimals = digits[0].unicode() - u'0';
    }
    return Error::None;
}

QString hex2(int value)
{
    return QString::number(value, 16).toUpper().rightJustified(2, u'0');
}

QString field(const Placeholder &p, QRgb rgb)
{
    const int r = qRed(rgb), g = qGreen(rgb), b = qBlue(rgb);
    switch (p.field) {
    case Field::Red:
        return QString::number(r);
    case Field::Green:
        return QString::number(g);
    case Field::Blue:
        return QString::number(b);
    case Field::RedHex:
        return hex2(r);
    case Field::GreenHex:
        return hex2(g);
    case Field::BlueHex:
        return hex2(b);
    case Field::Hex:
        return (u'#' + hex2(r) + hex2(g) + hex2(b)).toLower();
    case Field::HexUpper:
        return u'#' + hex2(r) + hex2(g) + hex2(b);
    // Channel / 255 never lies half way between two places, so rounding it cannot go either way.
    case Field::RedUnit:
        return QString::number(r / 255.0, 'f', p.decimals);
    case Field::GreenUnit:
        return QString::number(g / 255.0, 'f', p.decimals);
    case Field::BlueUnit:
        return QString::number(b / 255.0, 'f', p.decimals);
    case Field::Decimal:
        return QString::number(r + 256 * g + 65536 * b);
    }
    return {};
}

} // namespace

bool Template::namesPair() const
{
    return std::any_of(parts.begin(), parts.end(), [](const Part &part) {
        return part.placeholder && part.placeholder->which != Which::Current;
    });
}

Parsed parse(QStringView text)
{
    Parsed parsed;
    QString literal;
    const auto fail = [&](Error error, qsizetype at, QStringView inside = {}) {
        parsed.error = error;
        parsed.position = at;
        parsed.placeholder = inside.toString();
        parsed.value.parts.clear();
        return parsed;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'}') {
            if (i + 1 >= text.size() || text[i + 1] != u'}')
                return fail(Error::UnmatchedClose, i);
            literal += u'}';
            ++i;
        } else if (c != u'{') {
            literal += c;
        } else if (i + 1 < text.size() && text[i + 1] == u'{') {
            literal += u'{';
            ++i;
        } else {
            const qsizetype close = text.indexOf(u'}', i + 1);
            const qsizetype nextOpen = text.indexOf(u'{', i + 1);
            if (close < 0 || (nextOpen >= 0 && nextOpen < close))
                return fail(Error::Unclosed, i);
            const QStringView inside = text.mid(i + 1, close - i - 1);
            Placeholder placeholder;
            if (const Error error = readPlaceholder(inside, placeholder); error != Error::None)
                return fail(error, i, inside);
            if (!literal.isEmpty())
                parsed.value.parts.append(Part{literal, std::nullopt});
            literal.clear();
            parsed.value.parts.append(Part{QString(), placeholder});
            i = close;
        }
    }
    if (!literal.isEmpty())
        parsed.value.parts.append(Part{literal, std::nullopt});
    return parsed;
}

QString Parsed::message() const
{
    const QString at = QString::number(position + 1);
    // The user's text is quoted as in every other message: on one line, in its order, cut when long.
    const QString quoted = visibleExcerpt(placeholder, 40);
    switch (error) {
    case Error::None:
        return {};
    case Error::Unclosed:
        return QStringLiteral("The { at character %1 is not closed (write {{ for a brace)").arg(at);
    case Error::UnmatchedClose:
        return QStringLiteral("The } at character %1 closes nothing (write }} for a brace)").arg(at);
    case Error::UnknownPlaceholder:
        return QStringLiteral("Unknown placeholder {%1}").arg(quoted);
    case Error::BadDecimals:
        return QStringLiteral("Wrong decimals in {%1}: only rf, gf and bf take them, 0 to 6").arg(quoted);
    }
    return {};
}

QString render(const Template &value, QRgb current, QRgb background, QRgb foreground)
{
    QString text;
    for (const Part &part : value.parts) {
        if (!part.placeholder) {
            text += part.text;
            continue;
        }
        const Which which = part.placeholder->which;
        text += field(*part.placeholder, which == Which::Current      ? current
                                         : which == Which::Background ? background
                                                                      : foreground);
    }
    return text;
}

} // namespace formtemplate
