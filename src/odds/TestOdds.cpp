#include "TestOdds.h"

#include "FumbleOdds.h"
#include "RolledDice.h"

namespace MainBas::Odds {

// Each band of five totals is added up from its own totals, never taken as the difference of
// two tails, so that a band no roll can reach is exactly 0.
std::vector<Chance> ExtraSuccessChances(SuccessChances &chances, int target)
{
    std::vector<Chance> bands;
    for (int extra = 0; extra < ExtraSuccessesTold; ++extra) {
        const int low = target + extra * PointsPerExtraSuccess;
        bands.push_back(ChanceOf(chances.within(low, low + PointsPerExtraSuccess - 1)));
    }
    bands.push_back(chances.against(target + ExtraSuccessesTold * PointsPerExtraSuccess));
    return bands;
}

TestOdds OddsOfTest(const DicePool &pool, Edition edition, std::optional<int> target)
{
    const RolledDice dice = DiceOf(pool, StepTableOf(edition).failureRule());
    TestOdds odds;
    odds.automaticFailure = FumbleChance(dice);
    if (!target)
        return odds;
    SuccessChances chances(dice);
    odds.success = chances.against(*target);
    if (CountsExtraSuccesses(edition))
        odds.extraSuccesses = ExtraSuccessChances(chances, *target);
    return odds;
}

} // namespace MainBas::Odds
