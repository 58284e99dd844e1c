// SPDX-License-Identifier: MIT
#include "settings/paramstext.h"

#include "color/numbers.h"
#include "color/textforms.h"

namespace paramstext {

namespace {

constexpr qsizetype kLength = 32;

} // namespace

QString defaultText()
{
    return QStringLiteral("001 064 128 192 002 224 224 224 ");
}

QString build(const ColorParamsArray &params)
{
    QString text;
    for (const ColorRow &row : params) {
        for (const qint16 item : row)
            text += (QStringLiteral("000") + textforms::plainDecimal(item)).right(3) + u' ';
    }
    return text;
}

ColorParamsArray read(const QString &stored)
{
    const QString text = stored.size() == kLength ? stored : defaultText();
    ColorParamsArray params{};
    for (int row = 0; row < 2; ++row) {
        for (int item = 0; item < 4; ++item) {
            const QStringView field = QStringView(text).mid(16 * row + 4 * item, 3);
            params[row][item] = numbers::roundToInt16(numbers::numericValue(field));
        }
    }
    return params;
}

} // namespace paramstext
