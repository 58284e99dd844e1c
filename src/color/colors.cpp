// SPDX-License-Identifier: MIT
#include "color/colors.h"

#include "color/textforms.h"

#include <algorithm>

namespace Colors {

// C++ division truncates toward zero, which is what splitting the no-colour value -1 relies on.
qint16 RedOf(qint32 c)
{
    return static_cast<qint16>(c - 256 * (c / 256));
}

qint16 GreenOf(qint32 c)
{
    const qint32 t = c - 65536 * (c / 65536);
    return static_cast<qint16>(t / 256);
}

qint16 BlueOf(qint32 c)
{
    return static_cast<qint16>(c / 65536);
}

void SplitColor(qint32 c, qint16 &red, qint16 &green, qint16 &blue)
{
    red = RedOf(c);
    green = GreenOf(c);
    blue = BlueOf(c);
}

QString ColorValueHex(qint16 red, qint16 green, qint16 blue)
{
    return u'#' + textforms::twoDigitHex(red) + textforms::twoDigitHex(green) + textforms::twoDigitHex(blue);
}

QString ColorValueHexVB(qint16 red, qint16 green, qint16 blue)
{
    return QStringLiteral("&&H") + textforms::twoDigitHex(blue) + textforms::twoDigitHex(green) +
           textforms::twoDigitHex(red);
}

qint32 RGB(int red, int green, int blue)
{
    const auto channel = [](int v) { return std::clamp(v, 0, 255); };
    return channel(red) + 256 * channel(green) + 65536 * channel(blue);
}

qint64 packWide(qint16 red, qint16 green, qint16 blue)
{
    return red + 256 * qint64(green) + 65536 * qint64(blue);
}

QRgb toQRgb(qint32 colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

qint32 fromQRgb(QRgb rgb)
{
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

} // namespace Colors
