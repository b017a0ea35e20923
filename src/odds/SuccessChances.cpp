#include "SuccessChances.h"

#include "FumbleOdds.h"
#include "RolledDice.h"

#include <utility>

namespace MainBas::Odds {

SuccessChances::SuccessChances(int step, KarmaDie karma)
    : SuccessChances(DiceOf(step, karma), FumblingTotals(step, karma))
{ }

SuccessChances::SuccessChances(const RolledDice &dice, std::map<int, double> fumblingTotals)
    : m_subtraction(dice.subtraction)
    , m_atLeast(dice.sizes, Tally::AtLeast)
    , m_below(dice.sizes, Tally::Below)
    , m_fumblingTotals(std::move(fumblingTotals))
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

} // namespace MainBas::Odds
