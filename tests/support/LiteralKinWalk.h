#pragma once

#include "pages/KinWalk.h"

// The kin-term walk written as plainly as it can be: every line followed to
// its end with nothing remembered, terms kept as text and joined as whole
// terms, full siblings by their two parents in either order. It takes time
// exponential in the generations under pedigree collapse and never ends on
// a sim that is its own ancestor, so it only serves to check the real walk
// on small families without such loops.
QList<KinRow> literalFamilyOf(Sim *focus, bool livingOnly, bool playableOnly);
