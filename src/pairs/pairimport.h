// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"

#include <QStringView>

// Reading a file of pairs: any of the exports (pairformats.h), told from the content, and the colours that
// other programs write in those formats: in design tokens the colour objects of the format's stable
// version (2025.10) in every space it names, with none and alpha, or the older strings. Colours are paired by
// their names: "NAME background" and "NAME foreground", "NAME-bg" and "NAME-fg" (also "-background", "_bg",
// ...; any case), or tokens background and foreground (bg, fg) in one group; each pair comes where the first
// of its colours came.
namespace pairimport {

struct Imported
{
    // Named as the file names them: the group's $description or its path in json, the name before
    // " background" in gpl, the name before "-background" in css; empty when the file gives none.
    NamedPairs pairs;
    // Colours found without a partner.
    int unpaired = 0;
    // Colours of the pairs that lay outside sRGB and were gamut mapped into it, and that had an alpha
    // below 1, which is dropped.
    int mapped = 0;
    int transparent = 0;
    // Why the file was refused, in one line; empty when it was read.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

Imported read(QStringView text);

// "3 colors had no partner", "1 color had no partner".
QString unpairedText(int count);
// What else a file held: "3 colors had no partner; 1 color was mapped into sRGB; 2 colors had an alpha
// below 1, which was dropped", each part only when it applies; empty when none does.
QString details(int unpaired, int mapped, int transparent);
// What an import did: "Imported 2 pairs.", "Imported 1 pair; 3 colors had no partner.", "Imported 2 pairs;
// 1 color was mapped into sRGB; 2 colors had an alpha below 1, which was dropped."
QString report(int pairs, int unpaired, int mapped = 0, int transparent = 0);

} // namespace pairimport
