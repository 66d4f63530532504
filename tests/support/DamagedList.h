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

} // namespace ListFixtures
