#include "StepChances.h"

#include "FumbleOdds.h"
#include "RolledDice.h"
#include "StepTable.h"
#include "SuccessChances.h"

#include <cmath>

namespace MainBas::Odds {

double ClosedFormMean(int step, KarmaDie karma)
{
    const RolledDice dice = DiceOf(step, karma);
    double mean = -dice.subtraction;
    for (const int n : dice.sizes)
        mean += n * (n + 1) / (2.0 * (n - 1));
    return mean;
}

double ClosedFormStandardDeviation(int step, KarmaDie karma)
{
    double variance = 0;
    for (const int size : DiceOf(step, karma).sizes) {
        const double n = size;
        variance += n * n * n / ((n - 1) * (n - 1)) + ((n - 1) * (n - 1) - 1) / 12;
    }
    return std::sqrt(variance);
}

std::vector<StepChances> ChancesOfAllSteps(int target, KarmaDie karma)
{
    std::vector<StepChances> rows;
    rows.reserve(StepCount);
    for (int step = 1; step <= StepCount; ++step) {
        rows.push_back({step, ClosedFormMean(step, karma),
                        SuccessChances(step, karma).against(target), FumbleChance(step, karma)});
    }
    return rows;
}

} // namespace MainBas::Odds
