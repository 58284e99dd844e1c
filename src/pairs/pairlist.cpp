// SPDX-License-Identifier: MIT
#include "pairs/pairlist.h"

#include "pairs/pairnames.h"

QStringList PairList::names() const
{
    QStringList out;
    out.reserve(m_pairs.size());
    for (const NamedPair &pair : m_pairs)
        out << pair.name;
    return out;
}

qsizetype PairList::add(const PairColor &background, const PairColor &foreground)
{
    m_pairs.append({pairnames::nextFreeName(names()), background, foreground});
    return m_pairs.size() - 1;
}

bool PairList::rename(qsizetype row, QStringView typed)
{
    const QString name = pairnames::cleaned(typed);
    if (!valid(row) || name.isEmpty() || name == m_pairs.at(row).name)
        return false;
    m_pairs[row].name = name;
    return true;
}

bool PairList::move(qsizetype row, int by)
{
    const qsizetype to = row + by;
    if ((by != -1 && by != 1) || !valid(row) || !valid(to))
        return false;
    m_pairs.swapItemsAt(row, to);
    return true;
}

bool PairList::remove(qsizetype row)
{
    if (!valid(row))
        return false;
    m_pairs.removeAt(row);
    return true;
}

void PairList::append(const NamedPairs &more)
{
    pairnames::FreeNames free(names());
    m_pairs.reserve(m_pairs.size() + more.size());
    for (NamedPair pair : more) {
        pair.name = pairnames::cleaned(pair.name);
        if (pair.name.isEmpty())
            pair.name = free.next();
        else
            free.take(pair.name);
        m_pairs.append(pair);
    }
}

QList<qsizetype> PairList::matching(QStringView filter) const
{
    QList<qsizetype> rows;
    rows.reserve(m_pairs.size());
    for (qsizetype row = 0; row < m_pairs.size(); ++row) {
        if (m_pairs.at(row).name.contains(filter, Qt::CaseInsensitive))
            rows << row;
    }
    return rows;
}
