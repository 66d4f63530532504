#pragma once

#include "records/Sim.h"

#include <QList>
#include <QStringList>

#include <utility>

// The positions of the keys, smallest first, as the user's locale orders
// text (QString::localeAwareCompare), in the order a selection sort with
// swaps gives: keys that compare equal may change places (B, B2, A gives
// A, B2, B). Each key is compared O(log n) times, never with every other.
QList<qsizetype> localeAwareOrder(const QStringList &keys);

// Puts the entries of the list in the order of their keys (one per entry,
// at the same position), as localeAwareOrder gives it.
template <typename T>
void sortByLocaleAwareKeys(QList<T> &list, const QStringList &keys)
{
    const QList<qsizetype> order = localeAwareOrder(keys);
    QList<T> sorted;
    sorted.reserve(list.size());
    for (qsizetype at : order)
        sorted.append(std::move(list[at]));
    list = std::move(sorted);
}

// Sorts sims by name, compared the way the user's locale orders text, for
// every list of names the player picks a sim from, in the order of
// localeAwareOrder; a null entry never moves, and the sims are sorted into
// the other places.
void sortSimsByName(SimList &sims);
