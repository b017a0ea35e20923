#include "SuccessChances.h"

#include "FumbleOdds.h"

namespace MainBas::Odds {

SuccessChances::SuccessChances(const RolledDice &dice)
    : m_subtraction(dice.subtraction)
    , m_atLeast(dice.sizes, Tally::AtLeast)
    , m_below(dice.sizes, Tally::Below)
    , m_exactly(dice.sizes, Tally::Exactly)
    , m_fumblingTotals(FumblingTotals(dice))
{ }

// The fumbles are the lowest totals, so taking those at or above the target away from the
// rolls reaching it loses nothing worth counting. Near certain success, failure is added up
// from the totals below the target instead, so that it keeps its digits (and success, 1 minus
// it, never strays a rounding above 1).
Chance SuccessChances::against(int target)
{
    const double fumbling = FumbleChanceFrom(m_fumblingTotals, target);
    const double success = m_atLeast.chance(target + m_subtraction) - fumbling;
    if (success < 0.5)
        return ChanceOf(success);
    const double failure = m_below.chance(target + m_subtraction) + fumbling;
    return {1 - failure, failure};
}

double SuccessChances::within(int low, int high)
{
    double chance = 0;
    for (int total = low; total <= high; ++total)
        chance += m_exactly.chance(total + m_subtraction);
    return chance
        - (FumbleChanceFrom(m_fumblingTotals, low) - FumbleChanceFrom(m_fumblingTotals, high + 1));
}

} // namespace MainBas::Odds
