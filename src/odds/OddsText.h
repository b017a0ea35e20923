#pragma once

#include "Chance.h"
#include "DicePool.h"
#include "Edition.h"
#include "FailureRule.h"
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

// The dice of a roll with its karma and devotion dice, e.g. "D20+D8+D6, karma D6" or
// "D10+D8, karma 2D6, devotion D8".
std::string DiceText(const DicePool &pool);

// How the automatic failure of a rule is named: as a line's label ("Fumble", "Rule of One"),
// and for one roll and for several.
struct FailureWords
{
    std::string label;
    std::string one;
    std::string many;
};

FailureWords FailureWordsOf(FailureRule rule);

// The summary of a roll of the step's pool in the edition against a target number, one line
// each: the dice, the mean and most likely total, the middle 90%, success, then beating the
// target by 5, 10 and 15 or more, or where extra successes count the chance of exactly 0, 1
// and 2 and of 3 or more (an automatic failure never succeeds), and the automatic failure.
std::vector<std::string> SummaryLines(int step, const DicePool &pool, Edition edition, int target,
                                      const StepOdds &odds, const NumberStyle &style = {});

} // namespace MainBas::Odds
