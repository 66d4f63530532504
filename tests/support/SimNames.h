#pragma once

#include "records/Sim.h"

#include <QStringList>

// The names of the sims of a list, in list order ("-" for a gap).
QStringList namesOf(const SimList &sims);

// The first sim of a list with this name; null when none.
Sim *simNamed(const SimList &sims, const QString &name);
