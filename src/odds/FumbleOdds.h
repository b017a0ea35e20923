#pragma once

#include "KarmaDie.h"

#include <map>

namespace MainBas::Odds {

// The chance of each total at which step 1 to 100, rolled with the karma die, fumbles by the
// program's rule: the total equals the number of single rolls, re-rolls and the karma die's
// included, or is at most 1. Only the totals that can fumble are listed; with these dice each
// of them always fumbles (the lowest totals of steps 1 and 2, every die showing 1).
std::map<int, double> FumblingTotals(int step, KarmaDie karma);

// The chance of a fumble at any total.
double FumbleChance(int step, KarmaDie karma);

// The chance of a fumble at this total or above.
double FumbleChanceFrom(const std::map<int, double> &fumblingTotals, int total);

} // namespace MainBas::Odds
