// SPDX-License-Identifier: MIT
#include "forms/convertcommand.h"

#include "color/colorparse.h"
#include "color/parsenotes.h"
#include "color/visibletext.h"
#include "forms/colorforms.h"
#include "forms/formtemplate.h"

namespace convertcommand {

namespace {

// How much of a rejected text a message quotes.
constexpr qsizetype kQuoted = 40;

} // namespace

Outcome run(const QString &program, const QString &form, const QStringList &texts)
{
    Outcome outcome;
    const auto fail = [&](const QString &message) {
        return Outcome{2, QString(), program + QStringLiteral(": ") + message + u'\n'};
    };
    if (form == u"list") {
        if (!texts.isEmpty())
            return fail(QStringLiteral("--convert list takes no color"));
        outcome.standardOutput = colorforms::formNames().join(u'\n') + u'\n';
        return outcome;
    }

    std::optional<int> index;
    formtemplate::Template pattern;
    const bool isTemplate = form.contains(u'{');
    if (isTemplate) {
        const formtemplate::Parsed parsed = formtemplate::parse(form);
        if (!parsed.ok())
            return fail(parsed.message());
        pattern = parsed.value;
    } else if (!(index = colorforms::formIndex(form))) {
        return fail(QStringLiteral("unknown form '%1' (--convert list names the forms)")
                        .arg(visibleExcerpt(form, kQuoted)));
    }
    if (texts.isEmpty())
        return fail(QStringLiteral("--convert %1 needs a color").arg(visibleExcerpt(form, kQuoted)));
    if (texts.size() > 2)
        return fail(QStringLiteral("unexpected argument '%1'").arg(visibleExcerpt(texts[2], kQuoted)));

    std::array<colorparse::ParsedColors, 2> parsed;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        parsed[i] = colorparse::parseColorText(texts[i]);
        const QString quoted = visibleExcerpt(texts[i], kQuoted);
        if (parsed[i].count == 0 || (i == 1 && parsed[i].count == 2))
            return fail(parsenotes::notAColor(parsed[i], quoted));
        for (const QString &note : parsenotes::notes(parsed[i], quoted))
            outcome.standardError += program + QStringLiteral(": note: ") + note + u'\n';
    }
    // The program's report names both colours at once.
    const bool pairGiven = texts.size() == 2 || parsed[0].count == 2;
    const bool pairNeeded = isTemplate && pattern.namesPair();
    if (pairNeeded && !pairGiven)
        return fail(QStringLiteral("the template names bg. or fg.: give the background and the foreground"));
    if (texts.size() == 2 && (!pairNeeded || parsed[0].count == 2))
        return fail(QStringLiteral("a second color is only for a template that names bg. or fg."));

    const QRgb background = parsed[0].colors[0];
    const QRgb foreground = parsed[0].count == 2 ? parsed[0].colors[1] : parsed[1].colors[0];
    outcome.standardOutput = (index ? colorforms::write(*index, background)
                                    : formtemplate::render(pattern, background, background, foreground)) +
                             u'\n';
    return outcome;
}

} // namespace convertcommand
