#pragma once

#include "records/Sim.h"

#include <QStringList>

// Links of a list's sims that lead to a sim not on the list, as
// "name.parent1", "name.spouse", "name.child", in list order; empty when
// every link stays on the list.
QStringList linksOffTheList(const SimList &sims);
