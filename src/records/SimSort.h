#pragma once

#include "records/Sim.h"

// Sorts sims by name, compared the way the user's locale orders text, for
// every list of names the player picks a sim from. A selection sort with
// swaps, so sims of equal names may change places (B, B2, A gives A, B2, B);
// a null entry is never compared and never moves.
void sortSimsByName(SimList &sims);
