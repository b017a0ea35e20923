#pragma once

#include "Chance.h"
#include "ExplodingSum.h"
#include "KarmaDie.h"
#include "RolledDice.h"

#include <map>

namespace MainBas::Odds {

// The chance that a step roll succeeds against a target number: a total at or above it that
// is no fumble. A fumble is an automatic failure whatever the total. Worked out for one step
// and karma die, target after target, each as far as the recurrence must go and no further.
class SuccessChances
{
public:
    SuccessChances(int step, KarmaDie karma);

    // Success against the target, and failure, the smaller of the two worked out directly.
    Chance against(int target);

private:
    SuccessChances(const RolledDice &dice, std::map<int, double> fumblingTotals);

    int m_subtraction = 0;
    ExplodingSum m_atLeast;
    ExplodingSum m_below;
    std::map<int, double> m_fumblingTotals;
};

} // namespace MainBas::Odds
