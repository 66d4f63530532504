#pragma once

#include "records/Sim.h"

#include <QList>
#include <QString>

// One row of the Family Ties tab: a relative of the focus sim and its kin
// terms, joined by "; " in the order the walk reached them. Sims are never
// deleted, so the plain pointer stays good while the rows are used.
struct KinRow
{
    Sim *sim;
    QString terms;
};

// The kin-term walk of the Family Ties tab: from the focus sim it follows
// spouse, parent and child links in a fixed order and names every sim it
// reaches with an English kin term.
namespace KinWalk {

// Every relative of `focus` that the two boxes let through, in the order the
// walk first reached it; empty without a focus sim. A relative reached again
// with a term it does not have yet gets that term added. The walk goes on
// through relatives the boxes leave out, and it ends on any links, also on
// links in which a sim is its own ancestor.
QList<KinRow> familyOf(Sim *focus, bool livingOnly, bool playableOnly);

// "First" to "Twentieth" (the twelfth written "Twefth", as the tab has
// always shown it); "Distant" for any other degree.
QString ordinalWord(int n);

// "Once", "Twice", "Three Times" to "Twenty Times"; "Many Times" otherwise.
QString timesWord(int r);

} // namespace KinWalk
