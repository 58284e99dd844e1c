// SPDX-License-Identifier: MIT
#include "color/textforms.h"

namespace textforms {

QString plainDecimal(qint64 value)
{
    return QString::number(value);
}

QString plainHex16(qint16 value)
{
    return QString::number(static_cast<quint16>(value), 16).toUpper();
}

QString plainHex32(qint32 value)
{
    return QString::number(static_cast<quint32>(value), 16).toUpper();
}

QString twoDigitHex(qint16 value)
{
    const QString hex = plainHex16(value);
    return value < 16 ? u'0' + hex : hex;
}

} // namespace textforms
