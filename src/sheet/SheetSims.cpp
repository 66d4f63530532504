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
}

void SheetSims::replace(SimStore &store, const SimList &sims)
{
    m_store.takeAll(store);
    m_sims = sims;
    m_nidSorted.clear();
    m_rowToSim.clear();
}

void SheetSims::setRows(const QList<int> &rowToSim, const SimList &nidSorted)
{
    m_rowToSim = rowToSim;
    m_nidSorted = nidSorted;
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
