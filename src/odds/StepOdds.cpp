#include "StepOdds.h"

#include "ExplodingSum.h"
#include "FumbleOdds.h"
#include "RolledDice.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace MainBas::Odds {

namespace {

// Lists the totals from the lowest up until what is left above them is below OddsAccuracy.
void listTotals(StepOdds &odds, const RolledDice &dice)
{
    ExplodingSum sums(dice.sizes);
    odds.lowest = dice.lowestTotal();
    double listed = 0;
    for (int sum = dice.lowestSum(); 1.0 - listed >= OddsAccuracy; ++sum) {
        odds.probabilities.push_back(sums.probability(sum));
        listed += odds.probabilities.back();
    }
    // Rounding may carry the listed sum a hair past 1.
    odds.tailRemainder = std::max(0.0, 1.0 - listed);
}

void addMoments(StepOdds &odds)
{
    const auto totalAt = [&odds](std::size_t i) { return odds.lowest + static_cast<int>(i); };
    double mean = 0;
    for (std::size_t i = 0; i < odds.probabilities.size(); ++i)
        mean += totalAt(i) * odds.probabilities[i];
    double variance = 0;
    for (std::size_t i = 0; i < odds.probabilities.size(); ++i)
        variance += (totalAt(i) - mean) * (totalAt(i) - mean) * odds.probabilities[i];
    odds.mean = mean;
    odds.standardDeviation = std::sqrt(variance);
}

// The first of equal chances stays the best: the lowest of tied totals.
int mostLikelyOf(const StepOdds &odds)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < odds.probabilities.size(); ++i) {
        if (odds.probabilities[i] > odds.probabilities[best])
            best = i;
    }
    return odds.lowest + static_cast<int>(best);
}

// A share met exactly may fall a rounding short of it (d12+d10+d20 shows at most 10 in
// exactly 5% of rolls), so sums within OddsAccuracy of the share count as reaching it.
int smallestTotalReaching(const StepOdds &odds, double share)
{
    double atMost = 0;
    for (std::size_t i = 0; i < odds.probabilities.size(); ++i) {
        atMost += odds.probabilities[i];
        if (atMost >= share - OddsAccuracy)
            return odds.lowest + static_cast<int>(i);
    }
    return odds.highestListed();
}

} // namespace

double StepOdds::probability(int total) const
{
    if (total < lowest || total > highestListed())
        return 0.0;
    return probabilities[static_cast<std::size_t>(total - lowest)];
}

double StepOdds::atLeast(int total) const
{
    double below = 0;
    for (int t = lowest; t < total && t <= highestListed(); ++t)
        below += probabilities[static_cast<std::size_t>(t - lowest)];
    return 1.0 - below;
}

StepOdds ComputeStepOdds(int step, KarmaDie karma)
{
    StepOdds odds;
    listTotals(odds, DiceOf(step, karma));
    addMoments(odds);
    odds.mostLikely = mostLikelyOf(odds);
    odds.middle90Low = smallestTotalReaching(odds, 0.05);
    odds.middle90High = smallestTotalReaching(odds, 0.95);
    odds.fumble = FumbleChance(step, karma);
    return odds;
}

} // namespace MainBas::Odds
