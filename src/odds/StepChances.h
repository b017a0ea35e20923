#pragma once

#include "KarmaDie.h"

#include <vector>

namespace MainBas::Odds {

// The quick figures of a step, for the table of all steps: nothing here lists a distribution.

// The mean total: an exploding n-sided die averages n (n + 1) / (2 (n - 1)).
double ClosedFormMean(int step, KarmaDie karma);

// P(total >= target) = 1 - P(total < target), from the totals below the target alone.
double ChanceOfAtLeast(int step, KarmaDie karma, int target);

struct StepChances
{
    int step = 0;
    double mean = 0;
    double success = 0;
    double fumble = 0;
};

// Steps 1 to 100 against one target number.
std::vector<StepChances> ChancesOfAllSteps(int target, KarmaDie karma);

} // namespace MainBas::Odds
