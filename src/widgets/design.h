// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The windows were designed in twips at 96 dots per inch, where 15 twips make one pixel.
namespace design {

inline int px(double twips)
{
    return qRound(twips / 15.0);
}

inline double twips(int pixels)
{
    return pixels * 15.0;
}

// Point sizes of the designed fonts: captions, buttons and texts; the two link labels.
constexpr double kPointSize = 9.75;
constexpr double kLinkPointSize = 8.25;

} // namespace design
