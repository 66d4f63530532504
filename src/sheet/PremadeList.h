#pragma once

#include "sheet/SheetSims.h"

#include <functional>

// The premade debug lists of the list dialog: index 0 "50 Random Sims"
// (which only empties the sheet) and index 1 "One of Each Type".
namespace PremadeList {

constexpr int OneOfEachType = 1;

// The 65 sims of "One of Each Type", appended in table order: a male and a
// female of each stage, life state and pet kind, and one Bigfoot. Grown
// humans get two aspirations from `random` (primary first), each
// random() % 7 + 1.
void appendOneOfEachType(SheetSims &sheet, const std::function<int()> &random);

} // namespace PremadeList
