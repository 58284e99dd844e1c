// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace colorparse {

// The 0xRRGGBB value of a CSS colour keyword given in lower case ("rebeccapurple" gives 0x663399);
// nothing for other words, "transparent" and "currentcolor" included, as they name no opaque colour.
std::optional<quint32> namedColor(QStringView lowerCaseName);

} // namespace colorparse
