// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"

#include <QStringView>

// The list of pairs as the user keeps it, in the user's order. A value: each edit either changes it and
// says so, or leaves it exactly as it was, so a caller can try an edit on a copy and keep the copy only
// once it is stored.
class PairList
{
public:
    PairList() = default;
    // The pairs as given; names are taken as they are (the store and the imports clean them first).
    explicit PairList(NamedPairs pairs) : m_pairs(std::move(pairs)) {}

    const NamedPairs &pairs() const { return m_pairs; }
    qsizetype size() const { return m_pairs.size(); }
    bool isEmpty() const { return m_pairs.isEmpty(); }
    const NamedPair &at(qsizetype row) const { return m_pairs.at(row); }
    QStringList names() const;

    // Adds the colours as the last pair, named "Pair N" with the next free N; returns its row.
    qsizetype add(const PairColor &background, const PairColor &foreground);
    // Gives the pair at row the name as typed, cleaned; false when nothing is left of it, or nothing
    // changes.
    bool rename(qsizetype row, QStringView typed);
    // Moves the pair at row one place up (by -1) or down (by 1); false at either end.
    bool move(qsizetype row, int by);
    bool remove(qsizetype row);
    // Adds pairs after the existing ones, cleaning their names; a pair without a name is named "Pair N".
    void append(const NamedPairs &more);

    // The rows whose names hold filter, without regard to case, in order; all rows for an empty filter.
    QList<qsizetype> matching(QStringView filter) const;

private:
    bool valid(qsizetype row) const { return row >= 0 && row < m_pairs.size(); }

    NamedPairs m_pairs;
};
