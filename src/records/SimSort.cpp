#include "records/SimSort.h"

#include <algorithm>
#include <numeric>

QList<qsizetype> localeAwareOrder(const QStringList &keys)
{
    QList<qsizetype> order(keys.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return QString::localeAwareCompare(keys.at(a), keys.at(b)) < 0;
    });
    return order;
}

void sortSimsByName(SimList &sims)
{
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
