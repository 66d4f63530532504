#include "sheet/SheetSims.h"

#include "records/Bounds.h"

SheetSims::SheetSims() = default;
SheetSims::~SheetSims() = default;

Sim *SheetSims::append(Sim *sim)
{
    if (!sim)
        return nullptr;
    m_store.keep(sim);
    m_sims.append(sim);
    return sim;
}

void SheetSims::clear()
{
    m_sims.clear();
    m_nidSorted.clear();
    m_rowToSim.clear();
    forgetNids();
}

void SheetSims::replace(SimStore &store, const SimList &sims)
{
    m_store.takeAll(store);
    m_sims = sims;
    m_nidSorted.clear();
    m_rowToSim.clear();
    forgetNids();
}

void SheetSims::setRows(const QList<int> &rowToSim, const SimList &nidSorted)
{
    m_rowToSim = rowToSim;
    m_nidSorted = nidSorted;
    forgetNids();
}

void SheetSims::forgetNids()
{
    m_firstByNid.clear();
    m_firstByNidMade = false;
}

Sim *SheetSims::firstWithNid(int nid) const
{
    if (!m_firstByNidMade) {
        // Appending leaves the places of the sims of the NID order as they
        // are, so what is found here holds until the next rebuild.
        QHash<const Sim *, qsizetype> places;
        places.reserve(m_sims.size());
        for (qsizetype at = 0; at < m_sims.size(); ++at) {
            if (!places.contains(m_sims.at(at).data()))
                places.insert(m_sims.at(at).data(), at);
        }
        // The NID order does not keep the list's order among equal NIDs: of
        // several, the one first in the list wins, and one that is not on
        // the list gives way to any that is.
        QHash<int, qsizetype> firstAt;
        for (const QPointer<Sim> &sim : m_nidSorted) {
            if (!sim)
                continue;
            const int nid = sim->nid();
            const qsizetype at = places.value(sim.data(), -1);
            const auto first = firstAt.constFind(nid);
            if (first == firstAt.constEnd() || (at >= 0 && (first.value() < 0 || at < first.value()))) {
                m_firstByNid.insert(nid, sim.data());
                firstAt.insert(nid, at);
            }
        }
        m_firstByNidMade = true;
    }
    const auto found = m_firstByNid.constFind(nid);
    return found == m_firstByNid.constEnd() ? nullptr : found->data();
}

int SheetSims::positionAtRow(int row) const
{
    if (!inRange(row, m_rowToSim.size()))
        return -1;
    const int position = m_rowToSim.at(row);
    return inRange(position, m_sims.size()) && m_sims.at(position) ? position : -1;
}

Sim *SheetSims::simAtRow(int row) const
{
    const int position = positionAtRow(row);
    return position < 0 ? nullptr : m_sims.at(position).data();
}

int SheetSims::lastRowOf(int position) const
{
    for (int row = int(m_rowToSim.size()) - 1; row >= 0; --row) {
        if (m_rowToSim.at(row) == position)
            return row;
    }
    return -1;
}
