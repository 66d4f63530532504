#include "support/SimNames.h"

QStringList namesOf(const SimList &sims)
{
    QStringList names;
    for (const auto &sim : sims)
        names << (sim ? sim->name() : QStringLiteral("-"));
    return names;
}

Sim *simNamed(const SimList &sims, const QString &name)
{
    for (const QPointer<Sim> &sim : sims) {
        if (sim && sim->name() == name)
            return sim;
    }
    return nullptr;
}
