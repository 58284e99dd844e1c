// SPDX-License-Identifier: MIT
#include "accessibility/picktexts.h"

#include "color/planeaxes.h"
#include "contrast/contrast.h"

#include <array>

namespace accessibility {

namespace {

const std::array<QString, 3> kChannels{QStringLiteral("red"), QStringLiteral("green"),
                                       QStringLiteral("blue")};

} // namespace

QString planeName(int baseChannel, int baseValue)
{
    const auto &axes = kPlaneAxes[baseChannel];
    return QStringLiteral("Colour plane: %1 %2; %3 across, %4 down")
        .arg(kChannels[baseChannel])
        .arg(baseValue)
        .arg(kChannels[axes[0]], kChannels[axes[1]]);
}

QString pickedText(QRgb picked)
{
    return QStringLiteral("Picked %1: red %2, green %3, blue %4")
        .arg(contrast::hexText(picked))
        .arg(qRed(picked))
        .arg(qGreen(picked))
        .arg(qBlue(picked));
}

QString contrastText(QRgb background, QRgb foreground)
{
    const double ratio = contrast::contrastRatio(background, foreground);
    const auto &aaNormal = contrast::kCriteria[0];
    return QStringLiteral("contrast ratio %1:1, %2: %3")
        .arg(contrast::ratioFigure(ratio), QLatin1String(aaNormal.name),
             contrast::passes(ratio, aaNormal.threshold) ? QStringLiteral("pass") : QStringLiteral("fail"));
}

} // namespace accessibility
