// SPDX-License-Identifier: MIT
#include "contrast/contrastcommand.h"

#include "color/colorparse.h"
#include "color/parsenotes.h"
#include "color/visibletext.h"
#include "contrast/contrast.h"

namespace contrastcommand {

namespace {

constexpr qsizetype kQuoted = 40;

} // namespace

QString figures(QRgb foreground, QRgb background)
{
    const double ratio = contrast::contrastRatio(foreground, background);
    QString text = contrast::ratioText(ratio) + u'\n';
    for (const contrast::Criterion &criterion : contrast::kCriteria) {
        text += QLatin1StringView(criterion.name) + u' ' + QString::number(criterion.threshold) +
                (contrast::passes(ratio, criterion.threshold) ? QStringLiteral(": pass\n")
                                                              : QStringLiteral(": fail\n"));
    }
    return text + QStringLiteral("APCA Lc ") +
           contrast::apcaFigure(contrast::apcaContrast(foreground, background)) + u'\n';
}

Outcome run(const QString &program, const QStringList &colors)
{
    const auto fail = [&](const QString &message) {
        return Outcome{2, QString(), program + QStringLiteral(": ") + message + u'\n'};
    };
    if (colors.size() < 2)
        return fail(QStringLiteral("--contrast needs a foreground and a background color"));
    if (colors.size() > 2)
        return fail(QStringLiteral("unexpected argument '%1'").arg(visibleExcerpt(colors[2], kQuoted)));
    Outcome outcome;
    std::array<QRgb, 2> rgb{};
    for (int i = 0; i < 2; ++i) {
        const colorparse::ParsedColors parsed = colorparse::parseColorText(colors[i]);
        const QString quoted = visibleExcerpt(colors[i], kQuoted);
        if (parsed.count != 1)
            return fail(parsenotes::notAColor(parsed, quoted));
        for (const QString &note : parsenotes::notes(parsed, quoted))
            outcome.standardError += program + QStringLiteral(": note: ") + note + u'\n';
        rgb[i] = parsed.colors[0];
    }
    outcome.standardOutput = figures(rgb[0], rgb[1]);
    return outcome;
}

} // namespace contrastcommand
