// SPDX-License-Identifier: MIT
#pragma once

#include "color/colorspaces.h"
#include "color/gamutmap.h"

#include <QString>
#include <QStringView>

#include <optional>

// CSS colour values as CSS Color 4 and 5 write them: hexadecimal codes, names, transparent, the colour
// functions with relative colour syntax and calc(), color() in every predefined space, color-mix(),
// contrast-color() and light-dark(). A colour keeps its own space and full precision until it is shown.
namespace csscolor {

struct Color
{
    colorspaces::Space space = colorspaces::Space::Srgb;
    colorspaces::Triple c{};
    // Components given as none (or made missing by a conversion), which interpolation fills from the other
    // colour; elsewhere they count as 0.
    std::array<bool, 3> missing{};
    double alpha = 1;
    bool alphaMissing = false;
};

struct Read
{
    std::optional<Color> color;
    // Why a text that names a colour only in a page (currentcolor, var(), a system colour) is refused; empty
    // for a text that is no colour at all.
    QString refusal;
    // light-dark() gave its first, light colour.
    bool lightTaken = false;
};

// Reads one colour that is all of text, which is in lower case with no blanks around it.
Read read(QStringView text);

// "#rgb", "#rgba", "#rrggbb" or "#rrggbbaa" without the "#".
std::optional<Color> hashColor(QStringView digits);

// The space a CSS name gives in color() or color-mix() ("srgb", "display-p3", "xyz-d50", "oklch", ...), as
// design tokens name them too.
std::optional<colorspaces::Space> spaceNamed(QStringView name);

// The colour shown in sRGB, missing components counting as 0 and its alpha left aside.
gamutmap::Result toRgb(const Color &color);

} // namespace csscolor
