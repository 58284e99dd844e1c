// SPDX-License-Identifier: MIT
#include "forms/colorforms.h"

#include "color/colorspaces.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace colorforms {

namespace {

using colorspaces::Space;
using colorspaces::Triple;

constexpr int kMostDecimals = 6;
constexpr std::array<double, kMostDecimals + 1> kScale = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// A number rounded to d places as the integer count of its last place (half away from zero).
qint64 scaled(double value, int d)
{
    return qint64(std::round(value * kScale[d]));
}

// A text of ASCII characters built in place: every form is short, and one allocation per text keeps
// writing all of them for one colour within a few microseconds.
class Text
{
public:
    Text &operator<<(const char *text)
    {
        while (*text && m_size < kCapacity)
            m_chars[m_size++] = *text++;
        return *this;
    }
    Text &operator<<(char c)
    {
        if (m_size < kCapacity)
            m_chars[m_size++] = c;
        return *this;
    }
    Text &number(qint64 value) { return fixed(value, 0); }
    // count / 10^d with d places, trailing zeros and point dropped; "0" for zero.
    Text &fixed(qint64 count, int d)
    {
        if (count < 0)
            *this << '-';
        std::array<char, 24> digits{};
        int n = 0;
        for (quint64 v = quint64(count < 0 ? -count : count); v != 0 || n <= d; v /= 10)
            digits[n++] = char('0' + v % 10);
        int last = 0; // the lowest place written
        while (last < d && digits[last] == '0')
            ++last;
        for (int i = n - 1; i >= last; --i) {
            if (i == d - 1)
                *this << '.';
            *this << digits[i];
        }
        return *this;
    }
    Text &hex2(int value, bool upper)
    {
        const char *digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
        return *this << digits[(value >> 4) & 0xF] << digits[value & 0xF];
    }
    Text &channels(QRgb rgb, const char *separator)
    {
        number(qRed(rgb)) << separator;
        number(qGreen(rgb)) << separator;
        return number(qBlue(rgb));
    }
    QString toString() const { return QString::fromLatin1(m_chars.data(), m_size); }

private:
    static constexpr int kCapacity = 96;
    std::array<char, kCapacity> m_chars{};
    int m_size = 0;
};

struct Numbers
{
    std::array<qint64, 3> counts{};
    int decimals = 0;
};

// The three numbers of rgb in space with the fewest decimals d, the same for all three, that read back as
// rgb; a hue that rounds to a full turn is written as 0, the same angle.
Numbers fewestDigits(QRgb rgb, Space space)
{
    const Triple exact = colorspaces::fromRgb(rgb, space);
    const int hue = colorspaces::hasHueFirst(space) ? 0 : colorspaces::hasHueLast(space) ? 2 : -1;
    const QRgb target = rgb | 0xFF000000u;
    Numbers numbers;
    for (int d = 0; d <= kMostDecimals; ++d) {
        Triple rounded;
        for (int i = 0; i < 3; ++i) {
            numbers.counts[i] = scaled(exact[i], d);
            if (i == hue && numbers.counts[i] == scaled(360, d))
                numbers.counts[i] = 0;
            rounded[i] = double(numbers.counts[i]) / kScale[d];
        }
        numbers.decimals = d;
        // Every colour reads back by 6 places (a tool run checks all of them); should one not, its
        // numbers at 6 places are still the closest text there is.
        if (colorspaces::toRgb(space, rounded) == target)
            break;
    }
    return numbers;
}

// "name(a b c)" with units after the second and third numbers; opening is "name(".
QString function(const char *opening, QRgb rgb, Space space, const char *unit = "")
{
    const Numbers n = fewestDigits(rgb, space);
    Text text;
    text << opening;
    text.fixed(n.counts[0], n.decimals) << ' ';
    text.fixed(n.counts[1], n.decimals) << unit << ' ';
    text.fixed(n.counts[2], n.decimals) << unit << ')';
    return text.toString();
}

} // namespace

const QStringList &formNames()
{
    static const QStringList names = {
        QStringLiteral("hex"),    QStringLiteral("rgb"),     QStringLiteral("rgb-comma"),
        QStringLiteral("hsl"),    QStringLiteral("hwb"),     QStringLiteral("lab"),
        QStringLiteral("lch"),    QStringLiteral("oklab"),   QStringLiteral("oklch"),
        QStringLiteral("srgb"),   QStringLiteral("decimal"), QStringLiteral("html"),
        QStringLiteral("vb"),     QStringLiteral("vb-rgb"),  QStringLiteral("qt"),
        QStringLiteral("dotnet"), QStringLiteral("java"),    QStringLiteral("swift"),
        QStringLiteral("argb"),   QStringLiteral("python")};
    return names;
}

std::optional<int> formIndex(QStringView name)
{
    const QStringList &names = formNames();
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? std::nullopt : std::optional<int>(int(found - names.begin()));
}

QString write(int index, QRgb rgb)
{
    const int r = qRed(rgb), g = qGreen(rgb), b = qBlue(rgb);
    Text text;
    switch (index) {
    case 0:
        return (text << '#').hex2(r, false).hex2(g, false).hex2(b, false).toString();
    case 1:
        return ((text << "rgb(").channels(rgb, " ") << ')').toString();
    case 2:
        return ((text << "rgb(").channels(rgb, ", ") << ')').toString();
    case 3:
        return function("hsl(", rgb, Space::Hsl, "%");
    case 4:
        return function("hwb(", rgb, Space::Hwb, "%");
    case 5:
        return function("lab(", rgb, Space::Lab);
    case 6:
        return function("lch(", rgb, Space::Lch);
    case 7:
        return function("oklab(", rgb, Space::Oklab);
    case 8:
        return function("oklch(", rgb, Space::Oklch);
    case 9:
        return function("color(srgb ", rgb, Space::Srgb);
    case 10:
        // The word keeps a six-digit value from reading as hexadecimal when it is pasted back.
        return (text.number(r + 256 * g + 65536 * b) << " (decimal)").toString();
    case 11:
        return (text << '#').hex2(r, true).hex2(g, true).hex2(b, true).toString();
    case 12:
        return (text << "&H").hex2(b, true).hex2(g, true).hex2(r, true).toString();
    case 13:
        return ((text << "RGB(").channels(rgb, ",") << ')').toString();
    case 14:
        return ((text << "QColor(").channels(rgb, ", ") << ')').toString();
    case 15:
        return ((text << "Color.FromArgb(").channels(rgb, ", ") << ')').toString();
    case 16:
        return ((text << "new Color(").channels(rgb, ", ") << ')').toString();
    case 17: {
        const Numbers n = fewestDigits(rgb, Space::Srgb);
        text << "Color(red: ";
        text.fixed(n.counts[0], n.decimals) << ", green: ";
        text.fixed(n.counts[1], n.decimals) << ", blue: ";
        return (text.fixed(n.counts[2], n.decimals) << ')').toString();
    }
    case 18:
        return (text << "0xFF").hex2(r, true).hex2(g, true).hex2(b, true).toString();
    case 19:
        return ((text << '(').channels(rgb, ", ") << ')').toString();
    }
    return {};
}

std::array<QString, 3> numbers(QRgb rgb, Space space)
{
    const Numbers n = fewestDigits(rgb, space);
    std::array<QString, 3> texts;
    for (int i = 0; i < 3; ++i)
        texts[i] = Text().fixed(n.counts[i], n.decimals).toString();
    return texts;
}

QString decimalText(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, kMostDecimals);
    Text text;
    return text.fixed(scaled(value, decimals), decimals).toString();
}

} // namespace colorforms
