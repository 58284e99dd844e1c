// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the two base-value boxes make of their texts: the decimal box and the hexadecimal box mirror each
// other key by key, and an apply checks the decimal box.
namespace baseentry {

struct Mirror
{
    QString own;   // the edited box's new text
    QString other; // the other box's new text
};

// After a key in the hexadecimal box: trimmed and upper-cased, the decimal box shows its value.
Mirror fromHex(const QString &hexText);
// After a key in the decimal box: trimmed, the hexadecimal box shows its value rounded, halves to even;
// empty when the value has no 32-bit form ("9e9").
Mirror fromDecimal(const QString &decimalText);

enum class BaseEntryError { None, NoBaseColor, InvalidBaseColor };

struct Apply
{
    QString text;         // the decimal box trimmed; it becomes the base readout's caption unchanged
    BaseEntryError error; // why nothing may be applied
    qint16 base;          // the value applied; digit strings above 32767 saturate
};

Apply check(const QString &decimalText);
BaseEntryError checkText(const QString &trimmed);

} // namespace baseentry
