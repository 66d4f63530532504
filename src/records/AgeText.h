#pragma once

#include <QString>

// The words that tell how far a sim is in its life: the days until its next
// stage, or its age past the last one. The List of Sims and the sim form's
// age note both show them.
namespace AgeText {

// Kind is a SimTypeFlags value: 32 a plantsim, 256 a large dog, 128 a small
// dog, 512 a cat; any other value a human. Past its last stage a plantsim or
// pet shows its age and a human elder its age less `humanElderShift` (the
// two places that show it differ there). Numbers from damaged files never
// overflow.
QString untilNextStage(int age, int kind, int humanElderShift);

// "<age> days old".
QString daysOld(int age);

} // namespace AgeText
