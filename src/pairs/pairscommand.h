// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class Registry;
}

// The list of pairs from the command line, without a display, in the store the program uses.
namespace pairscommand {

struct Outcome
{
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

// `--export-pairs format [file]`: the stored pairs in format (css, json or gpl), to file or to standard
// output. An unknown format or a second file ends with exit code 2, a file that cannot be written with 1.
Outcome exportPairs(const QString &program, platform::Registry *registry, const QString &format,
                    const QStringList &files);

// `--import-pairs file`: the pairs of file added after the stored ones, then a line that says how many and
// what had no partner. A file that cannot be read, or is malformed, ends with exit code 2 and changes
// nothing; a store that refuses the save with 1.
Outcome importPairs(const QString &program, platform::Registry *registry, const QString &file,
                    const QStringList &more);

} // namespace pairscommand
