#pragma once

#include "records/Sim.h"

#include <QStringList>

// Links of a list's sims that lead to a sim not on the list, as
// "name.parent1", "name.spouse", "name.child", in list order; empty when
// every link stays on the list.
QStringList linksOffTheList(const SimList &sims);

// Links of a list's sims that the other side does not hold, each sim named
// with its position ("Ann#2"): a spouse naming another (".spouse"), a
// parent not listing the child (".parent"), a child not naming the parent
// (".child"), a sim its own spouse (".own spouse").
QStringList oneSidedLinks(const SimList &sims);

// The sims whose links come out otherwise when the family-link lines of the
// list are read into new records, as opening the saved list would
// (".reads back"); the order in which children and parents are listed does
// not count.
QStringList linksReadBackOtherwise(const SimList &sims);

// Everything about a list's family links that the list file cannot keep, in
// list order, each sim named with its position ("Ann#2"): a link held by one
// side only (".spouse", ".parent", ".child"), a link off the list
// (".off"), a sim that is its own spouse (".own spouse") or its own ancestor
// (".own ancestor"), a sim with one sim as both its parents (".both
// parents"), and a sim whose links read back otherwise from the
// family-link lines the list file would hold (".reads back"). Empty when the
// links are sound.
QStringList familyLinkFaults(const SimList &sims);
