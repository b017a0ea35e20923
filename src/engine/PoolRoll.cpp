#include "PoolRoll.h"

#include "PoolRolling.h"

namespace MainBas {

PoolRoll RollPool(const DicePool &pool, RandomSource &source, std::int16_t &count, FailureRule rule)
{
    PoolRoll roll;
    roll.dice.reserve(pool.dice().size());
    roll.adjustment = pool.adjustment();
    // Each die's record starts a die of the roll and adds every face it shows.
    const auto recordDie = [&roll](const PoolDie &die) {
        roll.dice.push_back({die.size, die.role, {}, 0});
        return [&rolled = roll.dice.back()](std::int16_t face) {
            rolled.rolls.push_back(face);
            rolled.total = static_cast<std::int16_t>(rolled.total + face);
        };
    };
    const std::int16_t before = count;
    roll.total = source.withDraws(
        [&](auto &draws) { return RollDiceFrom(pool, draws, count, recordDie); });
    roll.singleRolls = static_cast<std::int16_t>(count - before);
    roll.fumble = VerdictOf(rule, pool, roll.total, roll.singleRolls);
    return roll;
}

RollSummary RollPoolSummary(const DicePool &pool, RandomSource &source, FailureRule rule)
{
    RollSummary roll;
    RollPoolRepeatedly(pool, source, rule, [&](const auto &rollOnce) { roll = rollOnce(); });
    return roll;
}

} // namespace MainBas
