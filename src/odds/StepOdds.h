#pragma once

#include "KarmaDie.h"

#include <vector>

namespace MainBas::Odds {

// Every chance here is within this of the true value.
inline constexpr double OddsAccuracy = 1e-12;

// The exact odds of one step roll, for the Step Odds window's summary and histogram.
struct StepOdds
{
    int lowest = 0;
    // The chance of each total from the lowest up, listed until the rest of the upper tail,
    // kept in tailRemainder, is below OddsAccuracy.
    std::vector<double> probabilities;
    double tailRemainder = 0;
    double mean = 0;
    double standardDeviation = 0;
    // The most likely total, the lowest of them on a tie.
    int mostLikely = 0;
    // The middle 90% of rolls: the smallest totals t with P(total <= t) at least 0.05 and
    // at least 0.95.
    int middle90Low = 0;
    int middle90High = 0;
    double fumble = 0;

    int highestListed() const { return lowest + static_cast<int>(probabilities.size()) - 1; }
    // 0 outside the listing (above it, less than OddsAccuracy).
    double probability(int total) const;
    // 1 - P(total < t), from the totals below t alone.
    double atLeast(int total) const;
};

StepOdds ComputeStepOdds(int step, KarmaDie karma);

} // namespace MainBas::Odds
