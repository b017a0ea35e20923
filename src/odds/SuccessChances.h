#pragma once

#include "Chance.h"
#include "ExplodingSum.h"
#include "RolledDice.h"

#include <map>

namespace MainBas::Odds {

// The chance that a roll succeeds against a target number: a total at or above it that is no
// automatic failure (a fumble, or the Rule of One), which fails whatever the total. Worked
// out for one roll of dice, target after target, each as far as the recurrence must go and
// no further.
class SuccessChances
{
public:
    explicit SuccessChances(const RolledDice &dice);

    // Success against the target, and failure, the smaller of the two worked out directly.
    Chance against(int target);

    // The chance of a total from low to high that is no automatic failure, added up from
    // those totals alone, so that it keeps its digits however small it is.
    double within(int low, int high);

private:
    int m_subtraction = 0;
    ExplodingSum m_atLeast;
    ExplodingSum m_below;
    ExplodingSum m_exactly;
    std::map<int, double> m_fumblingTotals;
};

} // namespace MainBas::Odds
