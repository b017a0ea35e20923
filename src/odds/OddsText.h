#pragma once

#include "Chance.h"
#include "KarmaDie.h"
#include "StepOdds.h"

#include <string>
#include <vector>

namespace MainBas::Odds {

// How the reader's locale writes numbers, in UTF-8: "0.5" and "1,000" by default, "0,5" and
// "1.000" in German. The texts here never follow the C library's locale.
struct NumberStyle
{
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
};

// A number with this many decimals, e.g. "15.5".
std::string DecimalText(double value, int decimals, const NumberStyle &style = {});

// A chance as a player reads it: one decimal ("63.0%"), "0%" only for the impossible and
// "100%" only for the certain; "less than 0.1%" and "more than 99.9%" in between.
std::string PercentText(Chance chance, const NumberStyle &style = {});

// The same, with "1 in N" added for chances below 1%, N to three significant figures:
// "0.2% (1 in 480)", "less than 0.1% (1 in 2,040)", "less than 0.1% (1 in 5.16 × 10¹⁸)"
// from a billion on.
std::string ChanceText(Chance chance, const NumberStyle &style = {});

// The dice of a step with the karma die, e.g. "D20+D8+D6, karma D6".
std::string DiceText(int step, KarmaDie karma);

// The summary of a step roll against a target number, one line each: the dice, the
// mean and most likely total, the middle 90%, success, beating the target by 5, 10 and
// 15 or more (a fumble never succeeds), and the fumble.
std::vector<std::string> SummaryLines(int step, KarmaDie karma, int target, const StepOdds &odds,
                                      const NumberStyle &style = {});

} // namespace MainBas::Odds
