// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

// A JSON reader that keeps the members of an object in the order of the text (Qt's own sorts them, and the
// order of the groups in a file of design tokens is the order of the pairs).
namespace orderedjson {

struct Value
{
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    QString string;
    std::vector<Value> items;
    std::vector<std::pair<QString, Value>> members;

    // The member named key of an object, or null. A name the text gives twice is one member, in its first
    // place with its last value.
    const Value *member(QStringView key) const;
    bool isObject() const { return kind == Kind::Object; }
    bool isString() const { return kind == Kind::String; }
};

struct Parsed
{
    std::optional<Value> value;
    // Why the text is not JSON, with the line and column where that was found.
    QString error;
};

// Reads one JSON value (RFC 8259) with blanks around it; nesting deeper than 100 is refused.
Parsed parse(QStringView text);

// text as a JSON string, in double quotes, with quotes, backslashes and control characters escaped.
QString quoted(const QString &text);

} // namespace orderedjson
