// SPDX-License-Identifier: MIT
#include "color/copytexts.h"

#include "color/colors.h"
#include "color/textforms.h"

#include <limits>

namespace copytexts {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

std::optional<QString> decimalValue(const ColorRow &row)
{
    const qint64 value = Colors::packWide(row[1], row[2], row[3]);
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return textforms::plainDecimal(value);
}

QString rgbForm(const ColorRow &row)
{
    return QStringLiteral("RGB(") + textforms::plainDecimal(row[1]) + u',' + textforms::plainDecimal(row[2]) +
           u',' + textforms::plainDecimal(row[3]) + u')';
}

// " 5", "40", "2C": the last two hexadecimal digits, padded with a space.
QString paddedHex(qint16 value)
{
    return (u' ' + textforms::plainHex16(value)).right(2);
}

QString channelLine(const QString &name, qint16 value)
{
    QString decimal;
    PadChannelValue(value, decimal);
    return name + decimal + QStringLiteral(" (dec.)  ") + paddedHex(value) + QStringLiteral(" (hex.)") +
           kCrLf;
}

std::optional<QString> reportBlock(const QString &heading, const ColorRow &row)
{
    const std::optional<QString> value = decimalValue(row);
    if (!value)
        return std::nullopt;
    const qint16 red = row[1], green = row[2], blue = row[3];
    QString text = heading + kCrLf;
    text += channelLine(QStringLiteral("red   "), red);
    text += channelLine(QStringLiteral("green "), green);
    text += channelLine(QStringLiteral("blue  "), blue);
    text += *value + QStringLiteral(" (decimal)") + kCrLf;
    text += Colors::ColorValueHex(red, green, blue) + QStringLiteral(" (hexadecimal for HTML)") + kCrLf;
    // The label form starts "&&" so that a caption shows one "&"; the clipboard wants just one.
    text += Colors::ColorValueHexVB(red, green, blue).mid(1) +
            QStringLiteral(" (hexadecimal for Visual Basic)") + kCrLf;
    text += rgbForm(row) + QStringLiteral(" ") + QStringLiteral(" (RGB function for Visual Basic)") + kCrLf;
    text += kCrLf;
    return text;
}

} // namespace

void PadChannelValue(qint16 value, QString &text)
{
    text = (QStringLiteral("  ") + textforms::plainDecimal(value)).right(3);
}

std::optional<QString> copyText(const ColorParamsArray &params, qint16 index)
{
    if (index <= 0) {
        const auto background = reportBlock(QStringLiteral("Background color:"), params[0]);
        const auto foreground = reportBlock(QStringLiteral("Foreground color:"), params[1]);
        if (!background || !foreground)
            return std::nullopt;
        return *background + *foreground;
    }
    const ColorRow &row = params[index <= 3 ? 0 : 1];
    switch (index) {
    case 1:
    case 4:
        return decimalValue(row);
    case 2:
    case 5:
        return Colors::ColorValueHex(row[1], row[2], row[3]);
    default:
        return rgbForm(row) + kCrLf;
    }
}

} // namespace copytexts
