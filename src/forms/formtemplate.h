// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRgb>
#include <QString>
#include <QStringView>

#include <optional>

// Forms of the user's own: a text with placeholders for the numbers of a colour.
//   {r} {g} {b}      0 to 255
//   {R} {G} {B}      two upper-case hexadecimal digits
//   {hex} {HEX}      #rrggbb and #RRGGBB
//   {rf} {gf} {bf}   0 to 1 with three decimals; {rf:N} with N decimals, 0 to 6
//   {decimal}        the packed value, red + 256 green + 65536 blue
// Each may name a colour of the pair with "bg." or "fg." ({bg.hex}); without, it is the colour the
// template is written for. "{{" and "}}" stand for braces.
namespace formtemplate {

enum class Which { Current, Background, Foreground };
enum class Field {
    Red,
    Green,
    Blue,
    RedHex,
    GreenHex,
    BlueHex,
    Hex,
    HexUpper,
    RedUnit,
    GreenUnit,
    BlueUnit,
    Decimal
};

struct Placeholder
{
    Which which = Which::Current;
    Field field = Field::Red;
    int decimals = 3;
};

// A piece of the template: literal text, or a placeholder.
struct Part
{
    QString text;
    std::optional<Placeholder> placeholder;
};

struct Template
{
    QList<Part> parts;
    // Whether a placeholder names the background or the foreground.
    bool namesPair() const;
};

enum class Error {
    None,
    Unclosed,           // "{r": a brace that no "}" closes
    UnmatchedClose,     // "r}": a single "}"
    UnknownPlaceholder, // "{red}"
    BadDecimals,        // "{rf:9}", "{r:2}"
};

struct Parsed
{
    Template value;
    Error error = Error::None;
    qsizetype position = 0; // of the brace where the error lies, from 0
    QString placeholder;    // the text between the braces, for the last two errors
    bool ok() const { return error == Error::None; }
    // One line for the user; empty when there is no error.
    QString message() const;
};

Parsed parse(QStringView text);

// The text the template gives for the current colour and the pair.
QString render(const Template &value, QRgb current, QRgb background, QRgb foreground);

} // namespace formtemplate
