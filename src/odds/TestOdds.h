#pragma once

#include "Chance.h"
#include "DicePool.h"
#include "Edition.h"
#include "SuccessChances.h"

#include <optional>
#include <vector>

namespace MainBas::Odds {

// Extra successes are told apart up to this many; the last counts this many or more.
inline constexpr int ExtraSuccessesTold = 3;

// Every full 5 points above the target number is one extra success.
inline constexpr int PointsPerExtraSuccess = 5;

// The exact odds of a test: any dice (the step's, karma and devotion dice) judged by an
// edition's rule, against a target number or none.
struct TestOdds
{
    // Failing whatever the total: by the Rule of One, or in 1st edition and Classic by the
    // program's fumble rule.
    double automaticFailure = 0;
    // Reaching the target number without an automatic failure; none without a target.
    std::optional<Chance> success;
    // Where extra successes count (4th edition) and there is a target number: the chances
    // of exactly 0, 1 and 2 extra successes, then of 3 or more. They add up to success.
    std::vector<Chance> extraSuccesses;
};

// The dice, e.g. Sheet::PoolOf(test, edition), judged by the edition's rule.
TestOdds OddsOfTest(const DicePool &pool, Edition edition, std::optional<int> target);

// The chances of exactly 0 to ExtraSuccessesTold - 1 extra successes against the target,
// then of ExtraSuccessesTold or more.
std::vector<Chance> ExtraSuccessChances(SuccessChances &chances, int target);

} // namespace MainBas::Odds
