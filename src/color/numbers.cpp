// SPDX-License-Identifier: MIT
#include "color/numbers.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace numbers {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(QChar c, int radix)
{
    int d = -1;
    if (c >= u'0' && c <= u'9')
        d = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'z')
        d = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'Z')
        d = c.unicode() - u'A' + 10;
    return d < radix ? d : -1;
}

// "&H" and "&O" numbers: short ones are 16-bit two's complement, longer ones 32-bit, as in the source texts
// they are typed to resemble. Beyond 32 bits the plain value is kept rather than failing.
double prefixedValue(const QString &s, int radix)
{
    double value = 0;
    int digits = 0;
    for (qsizetype i = 2; i < s.size(); ++i) {
        const int d = digitValue(s.at(i), radix);
        if (d < 0)
            break;
        value = value * radix + d;
        ++digits;
    }
    const bool short16 = radix == 16 ? digits <= 4 : value <= 0xFFFF;
    if (short16)
        return value >= 0x8000 ? value - 0x10000 : value;
    if (value <= 0xFFFFFFFFu)
        return value >= 0x80000000u ? value - 4294967296.0 : value;
    return value;
}

// Length of the longest leading decimal number of s (sign, digits, fraction, exponent).
qsizetype decimalPrefix(const QString &s)
{
    qsizetype i = 0;
    const auto digitsFrom = [&s](qsizetype k) {
        while (k < s.size() && s.at(k).isDigit() && s.at(k).unicode() < 128)
            ++k;
        return k;
    };
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        ++i;
    qsizetype end = digitsFrom(i);
    bool anyDigit = end > i;
    if (end < s.size() && s.at(end) == u'.') {
        const qsizetype fracEnd = digitsFrom(end + 1);
        anyDigit = anyDigit || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!anyDigit)
        return 0;
    if (end < s.size() && QStringView(u"EeDd").contains(s.at(end))) {
        qsizetype k = end + 1;
        if (k < s.size() && (s.at(k) == u'+' || s.at(k) == u'-'))
            ++k;
        const qsizetype expEnd = digitsFrom(k);
        if (expEnd > k)
            end = expEnd;
    }
    return end;
}

} // namespace

double numericValue(QStringView text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c))
            s.append(c);

    if (s.startsWith(u"&H", Qt::CaseInsensitive))
        return prefixedValue(s, 16);
    if (s.startsWith(u"&O", Qt::CaseInsensitive))
        return prefixedValue(s, 8);

    const qsizetype n = decimalPrefix(s);
    if (n == 0)
        return 0;
    QByteArray number = s.left(n).toLatin1();
    for (char &c : number)
        if (c == 'd' || c == 'D')
            c = 'e';
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // Only an exponent beyond the range of a double fails here; which way it went decides the value.
    const qsizetype e = number.indexOf('e');
    const bool tiny = e >= 0 && e + 1 < number.size() && number.at(e + 1) == '-';
    if (tiny)
        return 0;
    return number.startsWith('-') ? -std::numeric_limits<double>::infinity()
                                  : std::numeric_limits<double>::infinity();
}

qint16 roundToInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(std::clamp(value, -32768.0, 32767.0));
    return static_cast<qint16>(r);
}

std::optional<qint32> roundToInt32(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        return std::nullopt;
    return static_cast<qint32>(r);
}

} // namespace numbers
