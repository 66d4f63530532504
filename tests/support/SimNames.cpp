#include "support/SimNames.h"

QStringList namesOf(const SimList &sims)
{
    QStringList names;
    for (const auto &sim : sims)
        names << (sim ? sim->name() : QStringLiteral("-"));
    return names;
}
