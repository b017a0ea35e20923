#pragma once

#include "KarmaDie.h"
#include "StepOdds.h"

#include <string>
#include <vector>

namespace MainBas::Odds {

// A chance as a player reads it: one decimal ("63.0%"), but never a misleading 0.0% or
// 100.0% for what can happen or can fail: "less than 0.1%", "more than 99.9%".
std::string PercentText(double chance);

// The same, with "1 in N" added for chances below 1% ("0.2% (1 in 480)").
std::string ChanceText(double chance);

// The dice of a step with the karma die, e.g. "D20+D8+D6, karma D6".
std::string DiceText(int step, KarmaDie karma);

// The summary of a step roll against a target number, one line each: the dice, the
// mean and most likely total, the middle 90%, success, beating the target by 5, 10 and
// 15 or more, and the fumble.
std::vector<std::string> SummaryLines(int step, KarmaDie karma, int target, const StepOdds &odds);

} // namespace MainBas::Odds
