#pragma once

#include "records/Sim.h"

#include <QString>
#include <QStringList>

// The households of the sheet's sims, looked up by exact, case-sensitive name.
namespace Households {

// Every distinct household name of the sims, the empty one included, in the
// order of the first sim that has it: the choices of the sim forms.
QStringList names(const SimList &sims);

// The names of the sims of a household, in list order.
QStringList members(const SimList &sims, const QString &household);

// Moves every sim of a household to the new name, listed or not.
void rename(const SimList &sims, const QString &oldName, const QString &newName);

} // namespace Households
