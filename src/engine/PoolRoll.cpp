#include "PoolRoll.h"

#include "Dice.h"

namespace MainBas {

namespace {

template<typename Draws, typename Record>
std::int16_t rollDice(const DicePool &pool, Draws &draws, std::int16_t &count, Record &&record)
{
    std::int16_t total = 0;
    for (const PoolDie &die : pool.dice())
        total = Add16(total, RollExplodingDie(die.size, die.edge, count, draws, record(die)));
    if (pool.adjustment() != 0)
        total = Add16(total, pool.adjustment());
    return total;
}

// The generator and the counter are copied to locals that stay in registers through the
// pool, and handed back however the roll ends, an overflow included.
template<typename Record>
std::int16_t rollDiceFrom(const DicePool &pool, Xoshiro256 &generator, std::int16_t &count,
                          Record &&record)
{
    struct HandBack
    {
        Xoshiro256 &generatorOut;
        std::int16_t &countOut;
        Xoshiro256 generator = generatorOut;
        std::int16_t count = countOut;
        ~HandBack()
        {
            generatorOut = generator;
            countOut = count;
        }
    } local {generator, count};
    return rollDice(pool, local.generator, local.count, record);
}

template<typename Record>
std::int16_t rollDiceFrom(const DicePool &pool, DrawScript &script, std::int16_t &count,
                          Record &&record)
{
    return rollDice(pool, script, count, record);
}

} // namespace

PoolRoll RollPool(const DicePool &pool, RandomSource &source, std::int16_t &count)
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
        [&](auto &draws) { return rollDiceFrom(pool, draws, count, recordDie); });
    roll.singleRolls = static_cast<std::int16_t>(count - before);
    roll.fumble = IsFumble(roll.total, roll.singleRolls);
    return roll;
}

RollSummary RollPoolSummary(const DicePool &pool, RandomSource &source)
{
    RollSummary roll;
    const auto noRecord = [](const PoolDie &) { return NoRecord {}; };
    roll.total = source.withDraws(
        [&](auto &draws) { return rollDiceFrom(pool, draws, roll.singleRolls, noRecord); });
    roll.fumble = IsFumble(roll.total, roll.singleRolls);
    return roll;
}

} // namespace MainBas
