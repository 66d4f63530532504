#include "records/SimSort.h"

void sortSimsByName(SimList &sims)
{
    for (int i = 0; i < sims.size(); ++i) {
        int m = i;
        for (int j = i + 1; j < sims.size(); ++j) {
            if (sims.at(m) && sims.at(j)
                && QString::localeAwareCompare(sims.at(m)->name(), sims.at(j)->name()) > 0)
                m = j;
        }
        sims.swapItemsAt(i, m);
    }
}
