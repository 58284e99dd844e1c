// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"

#include <QStringList>

#include <optional>

// The list of pairs written for other tools, each text ending with a line end:
// - css: custom properties in :root, --NAME-background and --NAME-foreground for each pair;
// - json: design tokens in the Design Tokens Community Group format, a group NAME for each pair holding
//   the colour tokens background and foreground, with the pair's own name as the group's $description;
// - gpl: a GIMP palette of two columns, a line "NAME background" and one "NAME foreground" for each pair
//   with the pair's own name.
// NAME is the pair's export name (pairnames::exportNames).
namespace pairformats {

enum class Format { Css, Json, Gpl };

// "css", "json" and "gpl", in that order.
QStringList formatNames();
std::optional<Format> formatNamed(QStringView name);
// The usual file extension, without its dot.
QString extension(Format format);

QString write(Format format, const NamedPairs &pairs);

} // namespace pairformats
