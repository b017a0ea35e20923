#pragma once

#include "RolledDice.h"

#include <map>

namespace MainBas::Odds {

// The chance of each total at which the dice fail whatever the total, by their rule. Only
// the totals that can fail are listed, and at each of them the dice always fail:
// - the program's fumble rule: the total equals the number of single rolls, re-rolls and
//   karma dice included, or is at most 1 (the lowest totals of steps 1 and 2, or every die
//   showing 1);
// - the Rule of One: every die showed 1 on its first roll, which only their lowest total
//   can come from, with the chance of the product of 1/n over the dice; when it asks for two
//   dice or more, a single die never fails this way.
std::map<int, double> FumblingTotals(const RolledDice &dice);

// The chance of an automatic failure at any total.
double FumbleChance(const RolledDice &dice);

// The chance of an automatic failure at this total or above.
double FumbleChanceFrom(const std::map<int, double> &fumblingTotals, int total);

} // namespace MainBas::Odds
