// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>

// `--contrast FG BG`: the contrast of two colours for scripts, without a display.
namespace contrastcommand {

struct Outcome
{
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

// The WCAG 2 ratio (two decimals, cut, as the contrast panel shows it), the verdicts for AA and AAA normal
// and large text and for user-interface components, and APCA Lc, one a line. colors are the foreground and
// the background in any text paste takes; anything else ends with one line and exit code 2.
Outcome run(const QString &program, const QStringList &colors);

// The lines of the figures of foreground on background, each ending in a line feed.
QString figures(QRgb foreground, QRgb background);

} // namespace contrastcommand
