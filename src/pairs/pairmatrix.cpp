// SPDX-License-Identifier: MIT
#include "pairs/pairmatrix.h"

#include "contrast/contrast.h"

#include <QSet>

namespace pairmatrix {

namespace {

QString hex(QRgb rgb)
{
    return u'#' + QStringLiteral("%1").arg(rgb & 0xFFFFFFu, 6, 16, QChar(u'0'));
}

void addOnce(QList<PairColor> &colours, QSet<QRgb> &seen, const PairColor &colour)
{
    const QRgb rgb = colour.rgb & 0xFFFFFFu;
    if (seen.contains(rgb))
        return;
    seen.insert(rgb);
    colours << colour;
}

} // namespace

Matrix of(const NamedPairs &pairs)
{
    Matrix matrix;
    QSet<QRgb> foregrounds, backgrounds;
    for (const NamedPair &pair : pairs) {
        addOnce(matrix.foregrounds, foregrounds, pair.foreground);
        addOnce(matrix.backgrounds, backgrounds, pair.background);
    }
    return matrix;
}

QString cellText(QRgb foreground, QRgb background, double threshold)
{
    const double ratio = contrast::contrastRatio(foreground, background);
    return contrast::ratioFigure(ratio) +
           (contrast::passes(ratio, threshold) ? QStringLiteral(" pass") : QStringLiteral(" fail"));
}

paircheck::Table table(const Matrix &matrix, double threshold)
{
    paircheck::Table t{{QStringLiteral("Foreground \\ background")}, {}};
    for (const PairColor &background : matrix.backgrounds)
        t.header << hex(background.rgb);
    for (const PairColor &foreground : matrix.foregrounds) {
        QStringList row{hex(foreground.rgb)};
        for (const PairColor &background : matrix.backgrounds)
            row << cellText(foreground.rgb, background.rgb, threshold);
        t.rows << row;
    }
    return t;
}

QString csv(const paircheck::Table &table, const QString &lineEnd)
{
    const auto line = [&](const QStringList &values) {
        QStringList out;
        for (QString value : values) {
            if (value.contains(u',') || value.contains(u'"') || value.contains(u'\n') ||
                value.contains(u'\r'))
                value = u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
            out << value;
        }
        return out.join(u',') + lineEnd;
    };
    QString text = line(table.header);
    for (const QStringList &row : table.rows)
        text += line(row);
    return text;
}

QString report(const NamedPairs &pairs, const QList<paircheck::Checked> &checked, paircheck::Level level,
               bool large, paircheck::Format format)
{
    const paircheck::Table t = table(of(pairs), paircheck::threshold(level, large));
    if (format == paircheck::Format::Csv)
        return csv(t, QStringLiteral("\n"));
    const QString text =
        format == paircheck::Format::Markdown ? paircheck::markdownTable(t) + u'\n' : paircheck::textTable(t);
    return text + paircheck::summary(checked, level, large) + u'\n';
}

} // namespace pairmatrix
