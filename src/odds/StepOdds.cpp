#include "StepOdds.h"

#include "ExplodingSum.h"
#include "FumbleOdds.h"
#include "RolledDice.h"
#include "StepChances.h"
#include "SuccessChances.h"

#include <algorithm>
#include <cstddef>

namespace MainBas::Odds {

namespace {

// Lists the totals from the lowest up until what is left above them is below 1 - ListedShare.
void listTotals(StepOdds &odds, const RolledDice &dice)
{
    ExplodingSum sums(dice.sizes);
    odds.lowest = dice.lowestTotal();
    double listed = 0;
    for (int sum = dice.lowestSum(); listed < ListedShare; ++sum) {
        odds.probabilities.push_back(sums.chance(sum));
        listed += odds.probabilities.back();
    }
}

void listSuccesses(StepOdds &odds, const RolledDice &dice)
{
    SuccessChances chances(dice);
    for (int total = odds.lowest; total <= odds.highestListed(); ++total)
        odds.successes.push_back(chances.against(total));
}

// The first of equal chances stays the best: the lowest of tied totals.
int mostLikelyOf(const StepOdds &odds)
{
    const auto best = std::max_element(odds.probabilities.begin(), odds.probabilities.end());
    return odds.lowest + static_cast<int>(best - odds.probabilities.begin());
}

} // namespace

double StepOdds::probability(int total) const
{
    if (total < lowest || total > highestListed())
        return 0.0;
    return probabilities[static_cast<std::size_t>(total - lowest)];
}

double StepOdds::fumbleAt(int total) const
{
    const auto found = fumblingTotals.find(total);
    return found == fumblingTotals.end() ? 0.0 : found->second;
}

Chance StepOdds::success(int target) const
{
    return successes.at(static_cast<std::size_t>(std::max(target, lowest) - lowest));
}

// A share met exactly may fall a rounding short of it (d12+d10+d20 shows at most 10 in
// exactly 5% of rolls), so sums within 1e-12 of the share count as reaching it.
int StepOdds::totalReaching(double share) const
{
    double atMost = 0;
    for (std::size_t i = 0; i < probabilities.size(); ++i) {
        atMost += probabilities[i];
        if (atMost >= share - 1e-12)
            return lowest + static_cast<int>(i);
    }
    return highestListed();
}

StepOdds ComputeStepOdds(const RolledDice &dice)
{
    StepOdds odds;
    odds.rule = dice.rule;
    listTotals(odds, dice);
    listSuccesses(odds, dice);
    odds.fumblingTotals = FumblingTotals(dice);
    odds.mean = ClosedFormMean(dice);
    odds.standardDeviation = ClosedFormStandardDeviation(dice);
    odds.mostLikely = mostLikelyOf(odds);
    odds.middle90Low = odds.totalReaching(0.05);
    odds.middle90High = odds.totalReaching(0.95);
    odds.fumble = FumbleChanceFrom(odds.fumblingTotals, odds.lowest);
    return odds;
}

} // namespace MainBas::Odds
