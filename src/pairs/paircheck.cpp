// SPDX-License-Identifier: MIT
#include "pairs/paircheck.h"

#include "contrast/contrast.h"
#include "pairs/orderedjson.h"

#include <algorithm>

namespace paircheck {

namespace {

QString hex(QRgb rgb)
{
    return u'#' + QStringLiteral("%1").arg(rgb & 0xFFFFFFu, 6, 16, QChar(u'0'));
}

QString verdict(bool pass)
{
    return pass ? QStringLiteral("pass") : QStringLiteral("fail");
}

bool passes(const Checked &pair, Level level)
{
    return level == Level::AA ? pair.aa : pair.aaa;
}

QString sizeName(bool large)
{
    return large ? QStringLiteral("large text") : QStringLiteral("normal text");
}

QString json(const QList<Checked> &pairs, Level level, bool large)
{
    QString text =
        QStringLiteral("{\n  \"level\": \"%1\",\n  \"size\": \"%2\",\n  \"threshold\": %3,\n  \"pairs\": [")
            .arg(levelName(level), large ? QStringLiteral("large") : QStringLiteral("normal"))
            .arg(threshold(level, large));
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const Checked &p = pairs[i];
        text += (i == 0 ? QStringLiteral("\n") : QStringLiteral(",\n")) +
                QStringLiteral(
                    "    {\"name\": %1, \"background\": \"%2\", \"foreground\": \"%3\", \"ratio\": %4, "
                    "\"AA\": %5, \"AAA\": %6, \"passes\": %7}")
                    .arg(orderedjson::quoted(p.name), hex(p.background), hex(p.foreground),
                         QString::number(p.ratio.toDouble()), p.aa ? u"true" : u"false",
                         p.aaa ? u"true" : u"false", passes(p, level) ? u"true" : u"false");
    }
    return text + (pairs.isEmpty() ? QString() : QStringLiteral("\n  ")) +
           QStringLiteral("],\n  \"failing\": %1\n}\n").arg(failing(pairs, level));
}

} // namespace

std::optional<Level> levelNamed(QStringView name)
{
    if (name == u"AA")
        return Level::AA;
    if (name == u"AAA")
        return Level::AAA;
    return std::nullopt;
}

std::optional<Format> formatNamed(QStringView name)
{
    if (name == u"text")
        return Format::Text;
    if (name == u"json")
        return Format::Json;
    if (name == u"markdown")
        return Format::Markdown;
    if (name == u"csv")
        return Format::Csv;
    return std::nullopt;
}

QString summary(const QList<Checked> &pairs, Level level, bool large)
{
    const qsizetype failed = failing(pairs, level);
    const QString rule = levelName(level) + QStringLiteral(" for ") + sizeName(large);
    if (failed == 0) {
        return pairs.size() == 1 ? QStringLiteral("The pair passes %1.").arg(rule)
                                 : QStringLiteral("All %1 pairs pass %2.").arg(pairs.size()).arg(rule);
    }
    return QStringLiteral("%1 of %2 %3 %4.")
        .arg(failed)
        .arg(pairs.size())
        .arg(pairs.size() == 1 ? QStringLiteral("pair") : QStringLiteral("pairs"),
             (failed == 1 ? QStringLiteral("fails ") : QStringLiteral("fail ")) + rule);
}

QString levelName(Level level)
{
    return level == Level::AA ? QStringLiteral("AA") : QStringLiteral("AAA");
}

double threshold(Level level, bool large)
{
    if (level == Level::AA)
        return large ? 3.0 : 4.5;
    return large ? 4.5 : 7.0;
}

Checked check(const NamedPair &pair, bool large)
{
    const double ratio = contrast::contrastRatio(pair.background.rgb, pair.foreground.rgb);
    // The figure is cut, never rounded up, so that it never shows a failing pair as passing.
    return {pair.name,
            pair.background.rgb,
            pair.foreground.rgb,
            contrast::ratioFigure(ratio),
            contrast::passes(ratio, threshold(Level::AA, large)),
            contrast::passes(ratio, threshold(Level::AAA, large))};
}

qsizetype failing(const QList<Checked> &pairs, Level level)
{
    return std::count_if(pairs.begin(), pairs.end(), [&](const Checked &p) { return !passes(p, level); });
}

QString textTable(const Table &table)
{
    const auto clean = [](QString text) {
        for (QChar &c : text) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                c = u' ';
        }
        return text;
    };
    QList<QStringList> lines{table.header};
    for (const QStringList &row : table.rows)
        lines << row;
    QList<qsizetype> widths(table.header.size(), 0);
    for (QStringList &line : lines) {
        for (qsizetype i = 0; i < line.size() && i < widths.size(); ++i) {
            line[i] = clean(line[i]);
            widths[i] = std::max(widths[i], line[i].size());
        }
    }
    QString text;
    for (const QStringList &line : lines) {
        QString out;
        for (qsizetype i = 0; i < line.size(); ++i)
            out += i + 1 < line.size() ? line[i].leftJustified(widths[i] + 2) : line[i];
        text += out + u'\n';
    }
    return text;
}

QString markdownTable(const Table &table)
{
    const auto cell = [](QString text) {
        text.replace(u'\\', QStringLiteral("\\\\")).replace(u'|', QStringLiteral("\\|"));
        for (QChar &c : text) {
            if (c.unicode() < 0x20)
                c = u' ';
        }
        return text;
    };
    const auto line = [&](const QStringList &cells) {
        QStringList out;
        for (const QString &c : cells)
            out << cell(c);
        return QStringLiteral("| ") + out.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
    };
    QString text = line(table.header) + u'|';
    for (qsizetype i = 0; i < table.header.size(); ++i)
        text += QStringLiteral(" --- |");
    text += u'\n';
    for (const QStringList &row : table.rows)
        text += line(row);
    return text;
}

QString report(const QList<Checked> &pairs, Level level, bool large, Format format)
{
    if (format == Format::Json)
        return json(pairs, level, large);
    Table table{{QStringLiteral("Pair"), QStringLiteral("Background"), QStringLiteral("Foreground"),
                 QStringLiteral("Ratio"), QStringLiteral("AA"), QStringLiteral("AAA")},
                {}};
    for (const Checked &p : pairs)
        table.rows << QStringList{p.name,  hex(p.background), hex(p.foreground),
                                  p.ratio, verdict(p.aa),     verdict(p.aaa)};
    const QString text = format == Format::Text ? textTable(table) : markdownTable(table) + u'\n';
    return text + summary(pairs, level, large) + u'\n';
}

} // namespace paircheck
