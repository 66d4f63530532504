#pragma once

#include "records/Sim.h"
#include "sheet/SheetSims.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>

// How new sims join the sheet and how holds are set for many sims at once.
// Every function appends to the sheet's list and leaves rebuilding the
// models to the caller.
namespace SimCreation {

// A sim born, adopted or moved in through an applied update: alive, no
// secondary aspiration, the hold, the household unless it is empty (then
// "At Large"), and the parents when given. Writes "New Sim made: " with the
// name, age, gender and aspiration to standard output.
Sim *fromUpdate(SheetSims &sheet, const QString &name, int gender, int age, int aspiration,
                int hold, const QString &household = QString(), int flags = 0,
                Sim *parent1 = nullptr, Sim *parent2 = nullptr);

// A sim from the add form. The household is set as given, also when empty;
// a non-zero semester puts the sim at college in that semester; a ghost
// gets its colour.
Sim *fromForm(SheetSims &sheet, const QString &name, int gender, int age, int aspiration,
              int secondaryAspiration, bool alive, int ghostColor, const QString &household,
              int flags, int alignment, int semester, const QString &major);

struct TowniePair
{
    Sim *townie = nullptr;
    Sim *baby = nullptr;
};

// A townie father (male, "At Large", no aspiration) and his baby with the
// other parent. Both share the type flags; the baby takes the hold and the
// other parent's household. Without the other parent both sims are still
// made: the baby stays "At Large" with the townie as its only parent.
TowniePair towniePair(SheetSims &sheet, const QString &townieName, int townieAge,
                      const QString &babyName, int babyGender, int hold, int flags,
                      Sim *otherParent);

// Every sim of the list other than `except` gets the hold.
void holdAllBut(const SimList &sims, const Sim *except, int hold);
// Every sim of the household (exact name) gets the hold.
void holdHousehold(const SimList &sims, const QString &household, int hold);
// Every sim outside the household gets the hold.
void holdAllHouseholdsBut(const SimList &sims, const QString &household, int hold);

} // namespace SimCreation

// Sims handed over one by one by an import. A sim whose NID a sheet sim
// already has is merged into that sim (of several with that NID, the one
// longest on the sheet) and kept out of the list; any other sim is
// appended, also a sim without NID and a sim whose NID an earlier sim of the
// same import was merged by, so that no sheet sim takes two records of one
// export. The sheet owns every record either way. Once the batch is in,
// finish() points every link that still leads to a merged record at the
// sheet sim it was merged into, so that no link on the sheet leads off it.
// A merged sim's spouse or parent changes only where its record names one
// that is found, in the batch or, for one not imported with it, on the
// sheet; the one it replaces lets go, so that no link is one-sided.
class ImportMerge
{
public:
    void add(SheetSims &sheet, Sim *imported);
    void finish();

private:
    // A sheet sim that took a merge, its record, and the sheet's sims of the
    // ids the record names (null where it names none or none has the id).
    struct Merged
    {
        QPointer<Sim> sim;
        QPointer<Sim> record;
        QPointer<Sim> spouse;
        QPointer<Sim> parent1;
        QPointer<Sim> parent2;
    };

    QHash<const Sim *, QPointer<Sim>> m_mergedInto;
    QSet<int> m_mergedNids;
    QList<Merged> m_merged;
    // The sims of the batch appended to the sheet.
    SimList m_appended;
};
