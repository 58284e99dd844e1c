// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

#include <optional>
#include <vector>

// The tokens of CSS colour values (CSS Syntax's, as far as colours use them), read from lower-case text.
namespace csstokens {

enum class Kind { Ident, Function, Number, Percentage, Dimension, Hash, Comma, Slash, Delim, Open, Close };

struct Token
{
    Kind kind = Kind::Ident;
    // An identifier, a function's name without its bracket, a hash's digits without "#", a delimiter.
    QStringView text;
    double value = 0;
    // A dimension's unit.
    QStringView unit;
    // Blanks came before it, which calc() needs around + and -.
    bool spaceBefore = false;
};

// A CSS number ("12", "-3.5", ".5", "1e2") at the start of text, and what follows it.
struct Number
{
    double value = 0;
    QStringView rest;
};
std::optional<Number> number(QStringView text);

// The tokens of text; nothing when it holds a character no colour value uses.
std::optional<std::vector<Token>> tokenize(QStringView text);

// CSS separates with these blanks only.
constexpr bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

} // namespace csstokens
