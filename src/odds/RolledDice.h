#pragma once

#include "DicePool.h"
#include "FailureRule.h"
#include "StepTable.h"

#include <vector>

namespace MainBas::Odds {

// What the odds of one roll are worked out from: the size of every die rolled, karma and
// devotion dice included, what is taken off their sum, and the rule that fails the roll
// whatever its total.
struct RolledDice
{
    std::vector<int> sizes;
    int subtraction = 0;
    FailureRule rule = FailureRule::ProgramFumble;

    // Each die shows at least 1.
    int lowestSum() const { return static_cast<int>(sizes.size()); }
    int lowestTotal() const { return lowestSum() - subtraction; }
};

RolledDice DiceOf(const DicePool &pool, FailureRule rule);

// Step 1 to 100 of the table, judged by its rule; a step out of range throws
// std::out_of_range.
RolledDice DiceOf(const StepTable &table, int step);

} // namespace MainBas::Odds
