#pragma once

#include "records/Sim.h"

#include <memory>
#include <vector>

// `count` new sims for a bench, owned here and listed in order, as a list
// file is read into records.
struct BenchSheet
{
    std::vector<std::unique_ptr<Sim>> owned;
    SimList sims;

    explicit BenchSheet(int count)
    {
        owned.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            owned.push_back(std::make_unique<Sim>());
            sims.append(owned.back().get());
        }
    }
};
