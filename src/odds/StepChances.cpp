#include "StepChances.h"

#include "ExplodingSum.h"
#include "FumbleOdds.h"
#include "RolledDice.h"
#include "StepPools.h"

namespace MainBas::Odds {

double ClosedFormMean(int step, KarmaDie karma)
{
    const RolledDice dice = DiceOf(step, karma);
    double mean = -dice.subtraction;
    for (const int n : dice.sizes)
        mean += n * (n + 1) / (2.0 * (n - 1));
    return mean;
}

double ChanceOfAtLeast(int step, KarmaDie karma, int target)
{
    const RolledDice dice = DiceOf(step, karma);
    ExplodingSum sums(dice.sizes);
    double below = 0;
    for (int sum = dice.lowestSum(); sum < target + dice.subtraction; ++sum)
        below += sums.probability(sum);
    return 1.0 - below;
}

std::vector<StepChances> ChancesOfAllSteps(int target, KarmaDie karma)
{
    std::vector<StepChances> rows;
    rows.reserve(StepCount);
    for (int step = 1; step <= StepCount; ++step) {
        rows.push_back({step, ClosedFormMean(step, karma), ChanceOfAtLeast(step, karma, target),
                        FumbleChance(step, karma)});
    }
    return rows;
}

} // namespace MainBas::Odds
