#pragma once

#include <QByteArray>

namespace ListFixtures {

// A 0.5 list of 12 sims with long names, damaged in every way the reader
// names at once, each many times over: sim, update, achievement and
// household lines that cannot be read, households without their lines,
// family-link lines missing, naming their own sim, naming thousands of
// positions where the list holds no sim, and lines that are not UTF-8 in a
// list that is. The box for it must still fit the screen.
QByteArray everyKindOfDamage();

// A 0.5 list of 40 sims, each living in a household of its own ("House 00"
// to "House 39") and called "Maximiliana Konstantinopolous-Wetherby of" and
// its household, so that the names differ only at their end. It holds more
// damage of more kinds than one box has room to name: 10 sim lines with a
// byte that is not UTF-8 (sims 0 to 9), 10 sim lines that cannot be read
// (10 to 19), 20 households with a played mark that cannot be read (House
// 00 to House 19) and 20 without their line (House 20 to House 39), 5
// family-link lines naming their own sim as spouse (20 to 24), 5 naming a
// child where the list holds no sim (25 to 29), and one parent link that
// would make a loop (30 and 31).
QByteArray crowdedDamage();

} // namespace ListFixtures
