// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

// One of the maker's programs as the catalogue lists it.
struct SoftwareItem
{
    QString Title;
    QString Description; // one paragraph, no line breaks
    QString URL;         // the home page followed by folder/page.htm
};

inline constexpr int kSoftwareItemSlots = 32;
using SoftwareItemTable = std::array<SoftwareItem, kSoftwareItemSlots>;

// Fills the first slots of SoftwareItems with the maker's programs in alphabetical order of title,
// their pages below strHomePage, and empties the others; returns how many it filled.
qint16 FillSoftwareList(const QString &strHomePage, SoftwareItemTable &SoftwareItems);
