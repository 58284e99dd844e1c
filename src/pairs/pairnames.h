// SPDX-License-Identifier: MIT
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

// The names of pairs: what a typed or imported name becomes, the "Pair N" of a new pair, and the names
// the exports give each pair.
namespace pairnames {

// Long enough for any description of a use, short enough that a thousand pairs stay small in the store.
constexpr qsizetype kLongestName = 100;

// A name as it is kept: without blanks at either end, control characters (tabs, line ends) as spaces,
// cut to kLongestName without splitting a character. Empty when nothing is left.
QString cleaned(QStringView name);

// "Pair N" with the smallest N from 1 that no name in names takes.
QString nextFreeName(const QStringList &names);

// The "Pair N" names that no pair takes, for naming many pairs in a row: each name costs about the same,
// however many there are.
class FreeNames
{
public:
    explicit FreeNames(const QStringList &names);
    // Counts name as taken from now on.
    void take(const QString &name);
    // "Pair N" with the smallest N from 1 that no name takes, taken from now on.
    QString next();

private:
    QSet<qsizetype> m_taken;
    qsizetype m_next = 1;
};

// The name of each pair in the exports, in order: lower case, every run of characters other than a-z and
// 0-9 one "-", no "-" at either end, "pair" when nothing is left, and "-2", "-3", ... added to a name
// taken by an earlier pair.
QStringList exportNames(const QStringList &names);

} // namespace pairnames
