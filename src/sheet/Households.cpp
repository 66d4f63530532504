#include "sheet/Households.h"

#include <QSet>

namespace Households {

QStringList names(const SimList &sims)
{
    QStringList names;
    QSet<QString> seen;
    for (const QPointer<Sim> &sim : sims) {
        if (!sim)
            continue;
        const QString household = sim->household();
        if (seen.contains(household))
            continue;
        seen.insert(household);
        names.append(household);
    }
    return names;
}

QStringList members(const SimList &sims, const QString &household)
{
    QStringList names;
    for (const QPointer<Sim> &sim : sims) {
        if (sim && sim->household() == household)
            names.append(sim->name());
    }
    return names;
}

void rename(const SimList &sims, const QString &oldName, const QString &newName)
{
    for (const QPointer<Sim> &sim : sims) {
        if (sim && sim->household() == oldName)
            sim->setHousehold(newName);
    }
}

} // namespace Households
