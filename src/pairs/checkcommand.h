// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/paircheck.h"

#include <QString>
#include <QStringList>

namespace platform {
class Registry;
}

// `--check-pairs [file]`: whether the pairs of a file, or the stored list, reach a WCAG 2 level, for
// scripts and build steps, without a display.
namespace checkcommand {

struct Outcome
{
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

struct Options
{
    paircheck::Level level = paircheck::Level::AA;
    bool large = false;
    paircheck::Format format = paircheck::Format::Text;
    // Every foreground of the pairs against every background instead of the list.
    bool matrix = false;
};

// The report of every pair of files[0] (any file --import-pairs reads), or of the stored list without a
// file; exit code 0 when all pass, 1 when one fails, 2 for a file that cannot be read, holds no pair, or a
// wrong argument.
Outcome run(const QString &program, platform::Registry *registry, const QStringList &files,
            const Options &options);

} // namespace checkcommand
