#include "StepTest.h"

#include <algorithm>

namespace MainBas::Sheet {

ModifiedStep ModifiedStepOf(const StepTest &test)
{
    const long long wanted = static_cast<long long>(test.step) - test.wounds + test.modifier;
    const auto step = static_cast<int>(std::clamp<long long>(wanted, 1, StepCount));
    return {step, step != wanted};
}

DicePool PoolOf(const StepTest &test, Edition edition)
{
    DicePool pool = StepTableOf(edition).pool(ModifiedStepOf(test).step);
    pool.add(static_cast<std::int16_t>(test.karmaDie), test.karmaPoints, DieRole::Karma);
    pool.add(static_cast<std::int16_t>(test.devotionDie), test.devotionPoints, DieRole::Devotion);
    return pool;
}

TestVerdict VerdictOf(const PoolRoll &roll, const std::optional<int> &target, Edition edition)
{
    TestVerdict verdict;
    verdict.automaticFailure = roll.fumble;
    if (!target)
        return verdict;
    verdict.hasTarget = true;
    verdict.margin = roll.total - *target;
    verdict.success = !verdict.automaticFailure && verdict.margin >= 0;
    if (verdict.success && CountsExtraSuccesses(edition))
        verdict.extraSuccesses = verdict.margin / 5;
    return verdict;
}

TestResult RollTest(const StepTest &test, Edition edition, RandomSource &source)
{
    TestResult result;
    result.step = ModifiedStepOf(test);
    std::int16_t count = 0;
    result.roll
        = RollPool(PoolOf(test, edition), source, count, StepTableOf(edition).failureRule());
    result.verdict = VerdictOf(result.roll, test.target, edition);
    return result;
}

} // namespace MainBas::Sheet
