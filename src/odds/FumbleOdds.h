#pragma once

#include "KarmaDie.h"

namespace MainBas::Odds {

// The chance that step 1 to 100, rolled with the karma die, fumbles by the program's rule: the
// total equals the number of single rolls, re-rolls and the karma die's included, or is at
// most 1.
double FumbleChance(int step, KarmaDie karma);

} // namespace MainBas::Odds
