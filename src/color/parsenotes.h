// SPDX-License-Identifier: MIT
#pragma once

#include "color/colorparse.h"

#include <QStringList>

// What the command line says about a colour it read, quoting the text as given (visibleExcerpt).
namespace parsenotes {

// "not a color: 'var(--x)'", with the reason when one is known.
QString notAColor(const colorparse::ParsedColors &parsed, const QString &quoted);

// "the transparency of '#4080c080' was ignored", "'color(display-p3 1 0 0)' lies outside sRGB and was
// mapped into it", "light-dark() in '...' gave its light color": one for each that applies.
QStringList notes(const colorparse::ParsedColors &parsed, const QString &quoted);

} // namespace parsenotes
