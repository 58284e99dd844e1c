// SPDX-License-Identifier: MIT
#include "color/parsenotes.h"

namespace parsenotes {

QString notAColor(const colorparse::ParsedColors &parsed, const QString &quoted)
{
    QString text = QStringLiteral("not a color: '%1'").arg(quoted);
    if (!parsed.refusal.isEmpty())
        text += QStringLiteral(": ") + parsed.refusal;
    return text;
}

QStringList notes(const colorparse::ParsedColors &parsed, const QString &quoted)
{
    QStringList lines;
    if (parsed.transparencyIgnored)
        lines << QStringLiteral("the transparency of '%1' was ignored").arg(quoted);
    if (parsed.gamutMapped)
        lines << QStringLiteral("'%1' lies outside sRGB and was mapped into it").arg(quoted);
    if (parsed.lightTaken)
        lines << QStringLiteral("light-dark() in '%1' gave its light color").arg(quoted);
    return lines;
}

} // namespace parsenotes
