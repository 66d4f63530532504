#include "records/SimSort.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <utility>
#include <vector>

namespace {

// The order a selection sort with swaps gives to entries of these ranks:
// at each place, the first entry of the smallest rank from there on is
// swapped in. That sort is not stable (B, B2, A of one rank for B and B2
// gives A, B2, B), and the lists the player picks from have always come in
// its order. A tree of the smallest rank over the places finds each pick
// in log n steps rather than by a search of the rest of the list.
QList<qsizetype> selectionOrder(const QList<int> &ranks)
{
    const qsizetype count = ranks.size();
    QList<qsizetype> at(count);
    std::iota(at.begin(), at.end(), qsizetype(0));
    qsizetype leaves = 1;
    while (leaves < count)
        leaves *= 2;
    using Place = std::pair<int, qsizetype>; // the rank there, the place
    std::vector<Place> tree(size_t(2 * leaves), Place(INT_MAX, LLONG_MAX));
    for (qsizetype p = 0; p < count; ++p)
        tree[size_t(leaves + p)] = {ranks.at(p), p};
    for (qsizetype node = leaves - 1; node > 0; --node)
        tree[size_t(node)] = std::min(tree[size_t(2 * node)], tree[size_t(2 * node + 1)]);
    const auto setPlace = [&](qsizetype p) {
        qsizetype node = leaves + p;
        tree[size_t(node)] = {ranks.at(at.at(p)), p};
        for (node /= 2; node > 0; node /= 2)
            tree[size_t(node)] = std::min(tree[size_t(2 * node)], tree[size_t(2 * node + 1)]);
    };
    for (qsizetype i = 0; i + 1 < count; ++i) {
        // The smallest rank, first place first, of the places from i on.
        Place best(INT_MAX, LLONG_MAX);
        for (qsizetype low = leaves + i, high = leaves + count; low < high; low /= 2, high /= 2) {
            if (low & 1)
                best = std::min(best, tree[size_t(low++)]);
            if (high & 1)
                best = std::min(best, tree[size_t(--high)]);
        }
        const qsizetype m = best.second;
        if (m != i) {
            at.swapItemsAt(i, m);
            setPlace(i);
            setPlace(m);
        }
    }
    return at;
}

} // namespace

QList<qsizetype> localeAwareOrder(const QStringList &keys)
{
    // The keys sorted once, to give each its rank: keys that compare equal
    // share one.
    QList<qsizetype> sorted(keys.size());
    std::iota(sorted.begin(), sorted.end(), qsizetype(0));
    std::stable_sort(sorted.begin(), sorted.end(), [&keys](qsizetype a, qsizetype b) {
        return QString::localeAwareCompare(keys.at(a), keys.at(b)) < 0;
    });
    QList<int> ranks(keys.size());
    int rank = 0;
    for (qsizetype k = 0; k < sorted.size(); ++k) {
        if (k > 0 && QString::localeAwareCompare(keys.at(sorted.at(k - 1)), keys.at(sorted.at(k))) < 0)
            ++rank;
        ranks[sorted.at(k)] = rank;
    }
    return selectionOrder(ranks);
}

void sortSimsByName(SimList &sims)
{
    // A null entry is never compared and never moves: the sims are sorted
    // among the other places, as if the nulls were not there.
    QList<qsizetype> places;
    SimList named;
    QStringList names;
    for (qsizetype at = 0; at < sims.size(); ++at) {
        if (!sims.at(at))
            continue;
        places.append(at);
        named.append(sims.at(at));
        names.append(sims.at(at)->name());
    }
    sortByLocaleAwareKeys(named, names);
    for (qsizetype k = 0; k < places.size(); ++k)
        sims[places.at(k)] = named.at(k);
}
