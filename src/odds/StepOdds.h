#pragma once

#include "Chance.h"
#include "FailureRule.h"
#include "RolledDice.h"

#include <map>
#include <vector>

namespace MainBas::Odds {

// The listing of totals goes on until fewer than this share of rolls lie above it.
inline constexpr double ListedShare = 1 - 1e-12;

// The exact odds of one roll, for the Step Odds window's summary and histogram.
struct StepOdds
{
    // What fails the roll whatever its total.
    FailureRule rule = FailureRule::ProgramFumble;
    int lowest = 0;
    // The chance of each total from the lowest up, listed until less than 1 - ListedShare
    // of rolls lie above.
    std::vector<double> probabilities;
    // Success against each listed total: at least that total and no automatic failure.
    std::vector<Chance> successes;
    // The chance of an automatic failure at each total that can fail so.
    std::map<int, double> fumblingTotals;
    double mean = 0;
    double standardDeviation = 0;
    // The most likely total, the lowest of them on a tie.
    int mostLikely = 0;
    // The middle 90% of rolls: the smallest totals t with P(total <= t) at least 0.05 and
    // at least 0.95.
    int middle90Low = 0;
    int middle90High = 0;
    // The chance of an automatic failure: a fumble, or by the Rule of One.
    double fumble = 0;

    int highestListed() const { return lowest + static_cast<int>(probabilities.size()) - 1; }
    // 0 outside the listing (above it, less than 1 - ListedShare).
    double probability(int total) const;
    // The chance of the total and an automatic failure.
    double fumbleAt(int total) const;
    // Success against a target number up to the highest listed total; beyond the listing,
    // SuccessChances knows.
    Chance success(int target) const;
    // The smallest total t with P(total <= t) at least the share.
    int totalReaching(double share) const;
};

StepOdds ComputeStepOdds(const RolledDice &dice);

} // namespace MainBas::Odds
