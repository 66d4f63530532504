#pragma once

#include "records/Sim.h"
#include "sheet/SimStore.h"

#include <QHash>
#include <QList>

// The sims of the sheet: the owner of every record, the sheet's list in file
// order, the list of sims with an NID in NID order, and the map from rows of
// the sim model to positions in the list.
class SheetSims
{
public:
    SheetSims();
    ~SheetSims();
    SheetSims(const SheetSims &) = delete;
    SheetSims &operator=(const SheetSims &) = delete;

    const SimList &sims() const { return m_sims; }
    const SimList &nidSorted() const { return m_nidSorted; }
    const QList<int> &rowToSim() const { return m_rowToSim; }
    SimStore &store() { return m_store; }

    // Keeps the record and appends it to the list; returns it.
    Sim *append(Sim *sim);

    // Drops every sim from the list, the NID order and the row map. The
    // records themselves stay alive: an import merged afterwards must not
    // find a sim that is no longer on the sheet.
    void clear();

    // Replaces the list with sims read elsewhere, taking over their owner.
    // The NID order and the row map are emptied until the next rebuild.
    void replace(SimStore &store, const SimList &sims);

    // What a rebuild of the models computed.
    void setRows(const QList<int> &rowToSim, const SimList &nidSorted);

    // The sim of the NID order with this NID; null when none has it. Of
    // several with it, the first in the list. The NID order is the last
    // rebuild's, so sims appended since are not found.
    Sim *firstWithNid(int nid) const;

    // The sim shown in a row of the sim model; null when the row, or the
    // position it maps to, is out of range.
    Sim *simAtRow(int row) const;
    // The position in the list of the sim in a row; -1 when there is none.
    int positionAtRow(int row) const;
    // The last row that shows the sim at a list position; -1 when no row does.
    int lastRowOf(int position) const;

private:
    // Drops firstWithNid's answers when the NID order changes.
    void forgetNids();

    SimStore m_store;
    SimList m_sims;
    SimList m_nidSorted;
    QList<int> m_rowToSim;
    // firstWithNid's answers, made at its first call after a rebuild, so
    // that an import of thousands of sims does not search the NID order once
    // for each of them.
    mutable QHash<int, QPointer<Sim>> m_firstByNid;
    mutable bool m_firstByNidMade = false;
};
