// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"

#include <QStringList>

#include <optional>

// Checking pairs against a WCAG 2 level for scripts and build steps: the verdicts, and the tables that show
// them as text, Markdown or JSON.
namespace paircheck {

enum class Level { AA, AAA };
enum class Format { Text, Json, Markdown, Csv };

std::optional<Level> levelNamed(QStringView name);   // "AA", "AAA"
std::optional<Format> formatNamed(QStringView name); // "text", "json", "markdown", "csv"
QString levelName(Level level);

// WCAG 2's thresholds: AA 4.5 (3 for large text), AAA 7 (4.5 for large text).
double threshold(Level level, bool large);

// One pair's figures: the ratio (as shown, cut to two decimals) and whether it reaches AA and AAA.
struct Checked
{
    QString name;
    QRgb background = 0;
    QRgb foreground = 0;
    QString ratio;
    bool aa = false;
    bool aaa = false;
};
Checked check(const NamedPair &pair, bool large);

// Rows of texts under a header, laid out by the writers below.
struct Table
{
    QStringList header;
    QList<QStringList> rows;
};
// Columns padded to their widest text and two blanks apart; control characters become blanks.
QString textTable(const Table &table);
// A Markdown table, with | and \ in the texts escaped.
QString markdownTable(const Table &table);

// The report of a check of pairs at level (for large text when large), in format, ending with a line end:
// a table of every pair with its colours, ratio and verdicts, then how many fail.
QString report(const QList<Checked> &pairs, Level level, bool large, Format format);

// How many of the pairs fail: "All 3 pairs pass AA for normal text.", "1 of 3 pairs fails AAA for large
// text."
QString summary(const QList<Checked> &pairs, Level level, bool large);

// How many of the pairs fail level.
qsizetype failing(const QList<Checked> &pairs, Level level);

} // namespace paircheck
