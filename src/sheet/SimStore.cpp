#include "sheet/SimStore.h"

#include "records/Sim.h"

SimStore::SimStore() = default;
SimStore::~SimStore() = default;
SimStore::SimStore(SimStore &&other) noexcept = default;
SimStore &SimStore::operator=(SimStore &&other) noexcept = default;

Sim *SimStore::keep(Sim *sim)
{
    if (sim)
        m_sims.emplace_back(sim);
    return sim;
}

void SimStore::takeAll(SimStore &other)
{
    if (&other == this)
        return;
    m_sims.reserve(m_sims.size() + other.m_sims.size());
    for (auto &sim : other.m_sims)
        m_sims.push_back(std::move(sim));
    other.m_sims.clear();
}

bool SimStore::owns(const Sim *sim) const
{
    for (const auto &owned : m_sims) {
        if (owned.get() == sim)
            return true;
    }
    return false;
}
