#pragma once

#include "records/Sim.h"
#include "sheet/FilterMasks.h"

#include <QList>
#include <QString>

// What a rebuild of the sheet's item models puts into them, as plain data:
// the rows of the sim model with the row map, the sims in NID order, and the
// rows of the household model with their played flags.
namespace ModelRows {

// The five cells of one row of the sim model.
struct SimRow
{
    QString name;
    QString household;
    QString age;
    QString lifeStage;
    QString aspiration;
};

struct SimRows
{
    QList<SimRow> rows;
    // Entry r: the position in the sheet's list of the sim in row r.
    QList<int> rowToSim;
};

// The "Age" cell: days old (ageDisplay 0) or days until the next stage.
// kind is 0 for a human, 32 for a plantsim, or the species code of a pet.
QString ageText(int age, int kind, int ageDisplay);
// The kind code of a sim: its species for a pet, else 32 for a plantsim.
int kindCode(const Sim &sim);

// One row for each sim that passes the masks, in list order.
SimRows simRows(const SimList &sims, const FilterMasks &masks, int ageDisplay, int epFlags);

// Every sim with an NID of 0 or more, in ascending NID order; sims of equal
// NID stand in the order that a selection sort of the list taking the first
// smallest NID each time gives them.
SimList nidSorted(const SimList &sims);

struct HouseholdRow
{
    QString name;
    // "Yes", "No", or "" for a group household.
    QString played;
};

// One row per distinct household name of the sims (listed or not), in the
// order of the first sim that has it. A household keeps "Yes" only when a
// row of the previous model with its exact name held exactly "Yes"; the
// progress lines of the rebuild go to standard output.
QList<HouseholdRow> householdRows(const SimList &sims, const QList<HouseholdRow> &previous);

// The rows of the household model once household `oldName` is called
// `newName`, for the rebuild that follows the rename to carry its mark: the
// new name takes the old one's mark; joined to a household of that name, it
// is played when either was. The other rows are as they were.
QList<HouseholdRow> renamedHousehold(QList<HouseholdRow> rows, const QString &oldName,
                                     const QString &newName);

} // namespace ModelRows
