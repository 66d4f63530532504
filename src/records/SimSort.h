#pragma once

#include "records/Sim.h"

#include <QList>
#include <QStringList>

#include <utility>

// The positions of the keys, smallest first, as the user's locale orders
// text (QString::localeAwareCompare); keys that compare equal keep their
// order. Each key is compared O(log n) times, never with every other.
QList<qsizetype> localeAwareOrder(const QStringList &keys);

// Puts the entries of the list in the order of their keys (one per entry,
// at the same position); entries of equal keys keep their order.
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
// every list of names the player picks a sim from. Sims of equal names keep
// their order; a null entry never moves, and the sims are sorted into the
// other places.
void sortSimsByName(SimList &sims);
