// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// File names and command-line arguments as texts, whatever their bytes: the bytes that are not valid in
// the system's encoding (UTF-8 outside Windows) each become a lone surrogate U+DC80 to U+DCFF when decoded,
// as Python's "surrogateescape" does, and the same bytes again when encoded, so that such a name opens the
// file it named and is printed as it was given.
namespace localnames {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

} // namespace localnames
