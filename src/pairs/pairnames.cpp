// SPDX-License-Identifier: MIT
#include "pairs/pairnames.h"

#include <QHash>

namespace pairnames {

namespace {

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029;
}

// The export name of one pair before it is made unique.
QString baseExportName(QStringView name)
{
    QString out;
    bool gap = false;
    for (const QChar c : name) {
        char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            u = char16_t(u - u'A' + u'a');
        if ((u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9')) {
            if (gap && !out.isEmpty())
                out += u'-';
            out += QChar(u);
            gap = false;
        } else {
            gap = true;
        }
    }
    return out.isEmpty() ? QStringLiteral("pair") : out;
}

} // namespace

QString cleaned(QStringView name)
{
    QString text = name.toString();
    for (QChar &c : text) {
        if (isControl(c))
            c = u' ';
    }
    text = text.trimmed();
    if (text.size() > kLongestName) {
        text.truncate(kLongestName);
        if (text.back().isHighSurrogate())
            text.chop(1);
        text = text.trimmed();
    }
    return text;
}

QString nextFreeName(const QStringList &names)
{
    return FreeNames(names).next();
}

FreeNames::FreeNames(const QStringList &names)
{
    for (const QString &name : names)
        take(name);
}

void FreeNames::take(const QString &name)
{
    const QLatin1StringView prefix("Pair ");
    if (!name.startsWith(prefix) || name.size() == prefix.size() || name.at(prefix.size()) == u'0')
        return;
    bool ok = false;
    const qsizetype n = QStringView(name).sliced(prefix.size()).toLongLong(&ok);
    // toLongLong takes a sign and blanks; only plain digits count as the name a new pair would get.
    if (ok && n > 0 && QString::number(n).size() == name.size() - prefix.size())
        m_taken.insert(n);
}

QString FreeNames::next()
{
    // Every number below m_next is taken, and stays taken.
    while (m_taken.contains(m_next))
        ++m_next;
    m_taken.insert(m_next);
    return QStringLiteral("Pair ") + QString::number(m_next);
}

QStringList exportNames(const QStringList &names)
{
    QStringList out;
    out.reserve(names.size());
    QSet<QString> taken;
    // For each base name, the number from which its next "-N" is looked for: every one below is taken.
    QHash<QString, int> suffixes;
    for (const QString &name : names) {
        const QString base = baseExportName(name);
        QString unique = base;
        if (taken.contains(unique)) {
            int &n = suffixes[base];
            for (n = std::max(n, 2); taken.contains(unique = base + u'-' + QString::number(n));)
                ++n;
        }
        taken.insert(unique);
        out << unique;
    }
    return out;
}

} // namespace pairnames
