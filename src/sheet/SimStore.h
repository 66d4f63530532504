#pragma once

#include <memory>
#include <vector>

class Sim;

// Owns every sim record the sheet ever made or was handed. Records live as
// long as their store: clearing the sheet's list only drops pointers, so
// pending updates, dialogs and log entries that still point at an earlier
// sim never dangle, and nothing leaks when the sheet goes.
class SimStore
{
public:
    SimStore();
    ~SimStore();
    SimStore(SimStore &&other) noexcept;
    SimStore &operator=(SimStore &&other) noexcept;
    SimStore(const SimStore &) = delete;
    SimStore &operator=(const SimStore &) = delete;

    // Takes ownership of the record and returns it; null stays null.
    Sim *keep(Sim *sim);
    // Takes over every record of the other store, which is left empty.
    void takeAll(SimStore &other);

    int size() const { return int(m_sims.size()); }
    bool owns(const Sim *sim) const;

private:
    std::vector<std::unique_ptr<Sim>> m_sims;
};
