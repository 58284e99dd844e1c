// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"
#include "pairs/paircheck.h"

#include <QStringList>

// One colour against many: every distinct foreground of a list of pairs (the rows) against every distinct
// background (the columns), each in the order it first comes in the list.
namespace pairmatrix {

struct Matrix
{
    // Each with the base channel of the first pair that has it.
    QList<PairColor> foregrounds;
    QList<PairColor> backgrounds;
};
Matrix of(const NamedPairs &pairs);

// A cell as every table of the matrix writes it: its ratio as shown (cut to two decimals) and whether it
// reaches threshold: "4.56 pass", "2.10 fail".
QString cellText(QRgb foreground, QRgb background, double threshold);

// The matrix as a table: the first column the foregrounds, a column for each background.
paircheck::Table table(const Matrix &matrix, double threshold);
// Comma-separated values, each line ending in lineEnd, a value with a comma, quote or line end quoted.
QString csv(const paircheck::Table &table, const QString &lineEnd);

// --check-pairs --matrix: the matrix of the pairs at level (for large text when large) in format (text,
// Markdown or CSV), then for text and Markdown how many of the pairs fail, as the check says it.
QString report(const NamedPairs &pairs, const QList<paircheck::Checked> &checked, paircheck::Level level,
               bool large, paircheck::Format format);

} // namespace pairmatrix
