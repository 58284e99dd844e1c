// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// A text fit to quote in a message: its first limit characters, with control characters shown as the
// symbols for them (U+2400 to U+2421: NUL as "␀", a line feed as "␊"), other invisible ones as <U+XXXX>,
// and "…" at the end when it was cut.
QString visibleExcerpt(QStringView text, qsizetype limit);
