// SPDX-License-Identifier: MIT
#include "app/baseentry.h"

#include "color/numbers.h"
#include "color/textforms.h"

namespace baseentry {

Mirror fromHex(const QString &hexText)
{
    const QString text = hexText.trimmed();
    if (text.isEmpty())
        return {};
    const QString upper = text.toUpper();
    return {upper, QString::number(numbers::numericValue(QStringLiteral("&H") + upper), 'f', 0)};
}

Mirror fromDecimal(const QString &decimalText)
{
    const QString text = decimalText.trimmed();
    if (text.isEmpty())
        return {};
    const auto value = numbers::roundToInt32(numbers::numericValue(text));
    return {text, value ? textforms::plainHex32(*value) : QString()};
}

BaseEntryError checkText(const QString &text)
{
    if (text.isEmpty())
        return BaseEntryError::NoBaseColor;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return BaseEntryError::InvalidBaseColor;
    }
    return BaseEntryError::None;
}

Apply check(const QString &decimalText)
{
    const QString text = decimalText.trimmed();
    const BaseEntryError error = checkText(text);
    const qint16 base =
        error == BaseEntryError::None ? numbers::roundToInt16(numbers::numericValue(text)) : 0;
    return {text, error, base};
}

} // namespace baseentry
