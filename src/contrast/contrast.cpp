// SPDX-License-Identifier: MIT
#include "contrast/contrast.h"

#include "contrast/channeltables.h"

#include <algorithm>
#include <cmath>

namespace contrast {

namespace {

double decode(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int encode(double linear)
{
    const double v = std::clamp(linear, 0.0, 1.0);
    const double c = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return int(std::lround(c * 255));
}

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009) at severity 1, for linear RGB.
constexpr Matrix kProtanopia{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double apcaY(QRgb c)
{
    const double y = 0.2126729 * std::pow(qRed(c) / 255.0, 2.4) +
                     0.7151522 * std::pow(qGreen(c) / 255.0, 2.4) +
                     0.0721750 * std::pow(qBlue(c) / 255.0, 2.4);
    // Near black the screen's flare lifts what is seen.
    return y < 0.022 ? y + std::pow(0.022 - y, 1.414) : y;
}

QString verdictWord(double ratio, double threshold)
{
    return passes(ratio, threshold) ? QStringLiteral("pass") : QStringLiteral("fail");
}

} // namespace

const ChannelTables &channelTables()
{
    static const ChannelTables tables = [] {
        ChannelTables t;
        for (int v = 0; v < 256; ++v) {
            t.linear[v] = decode(v);
            t.red[v] = 0.2126 * t.linear[v];
            t.green[v] = 0.7152 * t.linear[v];
            t.blue[v] = 0.0722 * t.linear[v];
        }
        return t;
    }();
    return tables;
}

double linearChannel(int value)
{
    return channelTables().linear[std::clamp(value, 0, 255)];
}

double relativeLuminance(QRgb colour)
{
    return luminanceOf(channelTables(), qRed(colour), qGreen(colour), qBlue(colour));
}

double luminanceRatio(double a, double b)
{
    return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05);
}

double contrastRatio(QRgb a, QRgb b)
{
    return luminanceRatio(relativeLuminance(a), relativeLuminance(b));
}

int ratioHundredths(double ratio)
{
    double hundredths = std::floor(ratio * 100);
    // The product can round up across a whole hundredth; the figure must never exceed the ratio.
    if (hundredths / 100 > ratio)
        hundredths -= 1;
    return int(hundredths);
}

QString ratioFigure(double ratio)
{
    return QString::number(ratioHundredths(ratio) / 100.0, 'f', 2);
}

QString ratioText(double ratio)
{
    return QStringLiteral("Contrast ratio ") + ratioFigure(ratio) + QStringLiteral(":1");
}

double apcaContrast(QRgb text, QRgb background)
{
    const double yText = apcaY(text);
    const double yBack = apcaY(background);
    if (std::abs(yBack - yText) < 0.0005)
        return 0;
    double lc;
    if (yBack > yText) {
        const double s = (std::pow(yBack, 0.56) - std::pow(yText, 0.57)) * 1.14;
        lc = s < 0.1 ? 0 : s - 0.027;
    } else {
        const double s = (std::pow(yBack, 0.65) - std::pow(yText, 0.62)) * 1.14;
        lc = s > -0.1 ? 0 : s + 0.027;
    }
    return lc * 100;
}

QString apcaFigure(double lc)
{
    return QString::number(lc, 'f', 1);
}

QString visionName(Vision vision)
{
    switch (vision) {
    case Vision::Protanopia:
        return QStringLiteral("Protanopia");
    case Vision::Deuteranopia:
        return QStringLiteral("Deuteranopia");
    case Vision::Tritanopia:
        return QStringLiteral("Tritanopia");
    case Vision::NoColour:
        break;
    }
    return QStringLiteral("No color vision");
}

QRgb simulateVision(QRgb colour, Vision vision)
{
    const ChannelTables &t = channelTables();
    if (vision == Vision::NoColour) {
        const int grey = encode(relativeLuminance(colour));
        return qRgb(grey, grey, grey);
    }
    const Matrix &m = vision == Vision::Protanopia     ? kProtanopia
                      : vision == Vision::Deuteranopia ? kDeuteranopia
                                                       : kTritanopia;
    const std::array<double, 3> in{t.linear[qRed(colour)], t.linear[qGreen(colour)], t.linear[qBlue(colour)]};
    std::array<int, 3> out{};
    for (int row = 0; row < 3; ++row)
        out[row] = encode(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    return qRgb(out[0], out[1], out[2]);
}

QString hexText(QRgb colour)
{
    return u'#' + QStringLiteral("%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

QString copyText(QRgb background, QRgb foreground)
{
    const double ratio = contrastRatio(background, foreground);
    const auto verdict = [&](int criterion) { return verdictWord(ratio, kCriteria[criterion].threshold); };
    const QString fg = hexText(foreground), bg = hexText(background);
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Foreground ") + fg + QStringLiteral(" on background ") + bg + crlf +
           ratioText(ratio) + crlf + QStringLiteral("WCAG AA: normal text ") + verdict(0) +
           QStringLiteral(", large text ") + verdict(1) + QStringLiteral(", user interface ") + verdict(4) +
           crlf + QStringLiteral("WCAG AAA: normal text ") + verdict(2) + QStringLiteral(", large text ") +
           verdict(3) + crlf + QStringLiteral("APCA Lc ") + apcaFigure(apcaContrast(foreground, background)) +
           crlf + QStringLiteral("CSS: color: ") + fg + QStringLiteral("; background-color: ") + bg + u';' +
           crlf;
}

} // namespace contrast
