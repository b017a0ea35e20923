#include "StepChances.h"

#include "FumbleOdds.h"
#include "StepTable.h"
#include "SuccessChances.h"

#include <cmath>

namespace MainBas::Odds {

double ClosedFormMean(const RolledDice &dice)
{
    double mean = -dice.subtraction;
    for (const int n : dice.sizes)
        mean += n * (n + 1) / (2.0 * (n - 1));
    return mean;
}

double ClosedFormStandardDeviation(const RolledDice &dice)
{
    double variance = 0;
    for (const int size : dice.sizes) {
        const double n = size;
        variance += n * n * n / ((n - 1) * (n - 1)) + ((n - 1) * (n - 1) - 1) / 12;
    }
    return std::sqrt(variance);
}

std::vector<StepChances> ChancesOfAllSteps(int target,
                                           const std::function<RolledDice(int step)> &diceOf)
{
    std::vector<StepChances> rows;
    rows.reserve(StepCount);
    for (int step = 1; step <= StepCount; ++step) {
        const RolledDice dice = diceOf(step);
        rows.push_back(
            {step, ClosedFormMean(dice), SuccessChances(dice).against(target), FumbleChance(dice)});
    }
    return rows;
}

} // namespace MainBas::Odds
