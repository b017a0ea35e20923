#pragma once

#include "Chance.h"
#include "RolledDice.h"

#include <functional>
#include <vector>

namespace MainBas::Odds {

// The quick figures of a roll, for the table of all steps: nothing here lists a distribution.

// The mean total. An exploding n-sided die is n K + F, with K explosions, P(K = k) =
// n^-k (n - 1) / n, and a last face F even on 1 to n - 1: it averages n (n + 1) / (2 (n - 1)).
double ClosedFormMean(const RolledDice &dice);

// The standard deviation of the total: the dice are independent, and each varies by
// n^2 n / (n - 1)^2 through K and by ((n - 1)^2 - 1) / 12 through F.
double ClosedFormStandardDeviation(const RolledDice &dice);

struct StepChances
{
    int step = 0;
    double mean = 0;
    Chance success;
    double fumble = 0;
};

// Steps 1 to 100 against one target number, each rolling the dice diceOf(step) gives.
std::vector<StepChances> ChancesOfAllSteps(int target,
                                           const std::function<RolledDice(int step)> &diceOf);

} // namespace MainBas::Odds
