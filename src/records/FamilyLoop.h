#pragma once

#include "records/Sim.h"

#include <QList>
#include <QString>

// True when making `parent` a parent of `child` would make a sim its own
// ancestor: when the two are the same sim, when `child` already stands above
// `parent` through parent links, or when `parent` already stands below
// `child` through children lists. Links that already go round are followed
// only once.
bool makesFamilyLoop(const Sim *parent, const Sim *child);

// Why such a link is refused, as the family browser and the update sentences
// tell the player.
QString familyLoopRefusal();

// `parent`, or null when making it a parent of `child` would make a sim its
// own ancestor; a refused link is said on standard output ("Skipped making
// ... a parent of ...") and the caller leaves that parent as it was.
Sim *parentUnlessLoop(Sim *parent, const Sim *child);

// A parent link: `parent` lists `child`, and `child` names `parent`.
struct ParentLink
{
    QPointer<Sim> parent;
    QPointer<Sim> child;
};

// Once a list's family-link lines are read: the links one side holds alone
// are let go (Sim::dropOneSidedLinks), and then, on both sides, every parent
// link that would make a sim its own ancestor. The links are taken in the
// order of the lines, so of each loop the link read last, which closes it,
// goes. Such a loop is what a hand edit or a lost line leaves; the program
// never writes one. Returns the links let go for a loop, in that order.
QList<ParentLink> settleReadLinks(const SimList &list);
