#pragma once

#include <QString>

class Sim;

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
