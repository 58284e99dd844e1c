// SPDX-License-Identifier: MIT
#include "pairs/checkcommand.h"

#include "color/visibletext.h"
#include "pairs/pairfiles.h"
#include "pairs/pairimport.h"
#include "pairs/pairmatrix.h"
#include "pairs/pairstore.h"

namespace checkcommand {

namespace {

constexpr qsizetype kQuoted = 40;

Outcome failure(const QString &program, const QString &message)
{
    return {2, QString(), program + QStringLiteral(": ") + message + u'\n'};
}

} // namespace

Outcome run(const QString &program, platform::Registry *registry, const QStringList &files,
            const Options &options)
{
    if (files.size() > 1)
        return failure(program,
                       QStringLiteral("unexpected argument '%1'").arg(visibleExcerpt(files[1], kQuoted)));
    NamedPairs pairs;
    QString notes;
    if (files.isEmpty()) {
        // A store that cannot be read is not an empty list.
        const storedvalues::Reading stored = pairstore::stored(Settings(registry));
        if (!stored.failure.empty())
            return failure(program, QStringLiteral("the stored pairs could not be read: ") +
                                        QString::fromStdString(stored.failure).simplified());
        pairs = pairstore::read(stored.text.value_or(std::string()));
        if (pairs.isEmpty())
            return failure(program, QStringLiteral("the list of pairs is empty"));
    } else {
        QString error;
        const std::optional<QString> text = pairfiles::read(files[0], &error);
        if (!text)
            return failure(program, error);
        const pairimport::Imported imported = pairimport::read(*text);
        if (!imported.ok())
            return failure(program, files[0] + QStringLiteral(": ") + imported.error);
        // A check that found nothing to check must not pass a build.
        if (imported.pairs.isEmpty()) {
            return failure(program,
                           files[0] + QStringLiteral(": no pairs") +
                               (imported.unpaired > 0
                                    ? QStringLiteral("; ") + pairimport::unpairedText(imported.unpaired)
                                    : QString()));
        }
        pairs = imported.pairs;
        // Colours left out, and colours checked as they are shown rather than as the file has them.
        if (const QString more =
                pairimport::details(imported.unpaired, imported.mapped, imported.transparent);
            !more.isEmpty())
            notes = program + QStringLiteral(": note: ") + more + u'\n';
    }
    QList<paircheck::Checked> checked;
    checked.reserve(pairs.size());
    for (const NamedPair &pair : pairs)
        checked << paircheck::check(pair, options.large);
    return {paircheck::failing(checked, options.level) > 0 ? 1 : 0,
            options.matrix ? pairmatrix::report(pairs, checked, options.level, options.large, options.format)
                           : paircheck::report(checked, options.level, options.large, options.format),
            notes};
}

} // namespace checkcommand
