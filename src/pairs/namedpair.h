// SPDX-License-Identifier: MIT
#pragma once

#include "model/pairstate.h"

#include <QList>
#include <QString>

// One pair of the list: its name and both colours with their base channels.
struct NamedPair
{
    QString name;
    PairColor background;
    PairColor foreground;
    friend bool operator==(const NamedPair &, const NamedPair &) = default;
};

using NamedPairs = QList<NamedPair>;
