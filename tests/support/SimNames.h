#pragma once

#include "records/Sim.h"

#include <QStringList>

// The names of the sims of a list, in list order ("-" for a gap).
QStringList namesOf(const SimList &sims);
