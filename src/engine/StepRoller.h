#pragma once

#include "Dice.h"
#include "PoolRoll.h"
#include "StepTable.h"

#include <cstdint>

namespace MainBas {

// Verdict of the last step roll: -1 (true) for an automatic failure, 0 otherwise.
extern std::int16_t FumbleFlag;

// Rolls step 1 to 100 of the table from its pool. A step outside 1 to 100 rolls nothing
// and comes to a total of 1 with no single rolls, which the fumble rule flags.
PoolRoll RollStepValue(const StepTable &table, std::int16_t step, RandomSource &source,
                       std::int16_t &count);

// The step roll as the program-wide values tell it: resets RollCount first, so that
// afterwards it holds this roll's single die rolls, sets FumbleFlag and returns the
// total. A roll stopped by an overflow leaves FumbleFlag as it was and RollCount at the
// count reached.
PoolRoll RollStep(const StepTable &table, std::int16_t step, RandomSource &source);

} // namespace MainBas
