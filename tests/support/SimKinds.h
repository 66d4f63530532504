#pragma once

#include "records/Sim.h"

#include <QString>
#include <QStringList>

// Sims of every kind the sim form must show, in the households "Brook",
// "Lark", "Runaways" and "Moor" (the last one not among the form's choices).
// Each sim's objectName is its kind.
namespace SimKinds {

// "adult" (Ann Brook, 45, Fortune / Family, of "Lark"), "ghost" (Blue),
// "baby", "child", "teen", "elder of 90", "student" (30 days, semester 3,
// Biology), "graduate" (40 days, semester 9, Physics), "witch" (Good),
// "large dog" (with Zombie set), "small dog", "kitten", "plantsim", "servo"
// (also Bigfoot and Alien), "no gender", "runaway", "moor", "odd codes"
// (ghost colour 12, alignment 5, secondary aspiration 9).
QStringList all();
// A new sim of that kind; the caller owns it.
Sim *make(const QString &kind);

} // namespace SimKinds
