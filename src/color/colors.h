// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QString>
#include <QtGlobal>

// Packed colour values (red + 256 * green + 65536 * blue) and their text forms.
namespace Colors {

qint16 RedOf(qint32 c);
qint16 GreenOf(qint32 c);
qint16 BlueOf(qint32 c);
void SplitColor(qint32 c, qint16 &red, qint16 &green, qint16 &blue);

// "#" + red, green, blue as two-digit hexadecimal.
QString ColorValueHex(qint16 red, qint16 green, qint16 blue);
// "&&H" + blue, green, red as two-digit hexadecimal; meant for a label caption, where "&&" shows as "&".
QString ColorValueHexVB(qint16 red, qint16 green, qint16 blue);

// Packs three channels; each is held to 0..255 first, so the result is always 0..16777215.
qint32 RGB(int red, int green, int blue);
// Packs three channels as they are, without holding them to 0..255; wide enough for any 16-bit channels.
qint64 packWide(qint16 red, qint16 green, qint16 blue);

// A packed value as Qt's 0xAARRGGBB, opaque, from its low three bytes; and back.
QRgb toQRgb(qint32 colour);
qint32 fromQRgb(QRgb rgb);

} // namespace Colors
