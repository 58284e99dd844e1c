// SPDX-License-Identifier: MIT
#include "pairs/pairscommand.h"

#include "color/visibletext.h"
#include "pairs/pairfiles.h"
#include "pairs/pairformats.h"
#include "pairs/pairimport.h"
#include "pairs/pairlist.h"
#include "pairs/pairstore.h"

namespace pairscommand {

namespace {

constexpr qsizetype kQuoted = 40;

Outcome failure(int code, const QString &program, const QString &message)
{
    return {code, QString(), program + QStringLiteral(": ") + message + u'\n'};
}

} // namespace

Outcome exportPairs(const QString &program, platform::Registry *registry, const QString &format,
                    const QStringList &files)
{
    const std::optional<pairformats::Format> chosen = pairformats::formatNamed(format);
    if (!chosen) {
        return failure(
            2, program,
            QStringLiteral("unknown format '%1' (css, json or gpl)").arg(visibleExcerpt(format, kQuoted)));
    }
    if (files.size() > 1)
        return failure(2, program,
                       QStringLiteral("unexpected argument '%1'").arg(visibleExcerpt(files[1], kQuoted)));
    // A store that cannot be read is not an empty list.
    const storedvalues::Reading stored = pairstore::stored(registry);
    if (!stored.failure.empty())
        return failure(1, program,
                       QStringLiteral("the stored pairs could not be read: ") +
                           QString::fromStdString(stored.failure).simplified());
    const QString text = pairformats::write(*chosen, pairstore::read(stored.text.value_or(std::string())));
    if (files.isEmpty())
        return {0, text, {}};
    QString error;
    if (!pairfiles::write(files[0], text, &error))
        return failure(1, program, error);
    return {};
}

Outcome importPairs(const QString &program, platform::Registry *registry, const QString &file,
                    const QStringList &more)
{
    if (!more.isEmpty())
        return failure(2, program,
                       QStringLiteral("unexpected argument '%1'").arg(visibleExcerpt(more[0], kQuoted)));
    QString error;
    const std::optional<QString> text = pairfiles::read(file, &error);
    if (!text)
        return failure(2, program, error);
    const pairimport::Imported imported = pairimport::read(*text);
    if (!imported.ok())
        return failure(2, program, file + QStringLiteral(": ") + imported.error);
    // Added to the list as it is when the store is locked, so that imports at the same time lose nothing.
    const std::string status =
        pairstore::update(registry, [&imported](std::string_view, const NamedPairs &stored) {
            PairList list(stored);
            list.append(imported.pairs);
            return std::optional(list.pairs());
        });
    if (!status.starts_with('0'))
        return failure(1, program,
                       QStringLiteral("the pairs could not be saved: ") +
                           QString::fromStdString(status).simplified());
    return {0,
            pairimport::report(int(imported.pairs.size()), imported.unpaired, imported.mapped,
                               imported.transparent) +
                u'\n',
            {}};
}

} // namespace pairscommand
