#pragma once

// The rolling of a pool written once for every kind of draws, for the roller and for the
// hot loops of the reports, which hold the generator in registers through many rolls.

#include "Dice.h"
#include "DicePool.h"
#include "PoolRoll.h"

namespace MainBas {

// A copy of a value in a local for a stretch of hot code, which the compiler can then
// hold in registers; handed back to where it came from however the stretch ends.
template<typename Value> class HeldCopy
{
public:
    explicit HeldCopy(Value &origin)
        : m_origin(origin)
        , m_copy(origin)
    { }
    ~HeldCopy() { m_origin = m_copy; }
    HeldCopy(const HeldCopy &) = delete;
    HeldCopy &operator=(const HeldCopy &) = delete;

    Value &get() { return m_copy; }

private:
    Value &m_origin;
    Value m_copy;
};

template<typename Draws, typename Record>
std::int16_t RollDice(const DicePool &pool, Draws &draws, std::int16_t &count, Record &&record)
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
std::int16_t RollDiceFrom(const DicePool &pool, Xoshiro256 &generator, std::int16_t &count,
                          Record &&record)
{
    HeldCopy<Xoshiro256> heldGenerator(generator);
    HeldCopy<std::int16_t> heldCount(count);
    return RollDice(pool, heldGenerator.get(), heldCount.get(), record);
}

template<typename Record>
std::int16_t RollDiceFrom(const DicePool &pool, DrawScript &script, std::int16_t &count,
                          Record &&record)
{
    return RollDice(pool, script, count, record);
}

// Whether the roll of the pool failed whatever its total, by the rule.
inline bool VerdictOf(FailureRule rule, const DicePool &pool, std::int16_t total,
                      std::int16_t singleRolls)
{
    return IsAutomaticFailure(rule, total, singleRolls, pool.adjustment(),
                              static_cast<int>(pool.dice().size()));
}

// The summary of one more roll of the pool.
template<typename Draws>
RollSummary RollSummaryFrom(const DicePool &pool, Draws &draws, FailureRule rule)
{
    RollSummary roll;
    roll.total
        = RollDice(pool, draws, roll.singleRolls, [](const PoolDie &) { return NoRecord {}; });
    roll.fumble = VerdictOf(rule, pool, roll.total, roll.singleRolls);
    return roll;
}

template<typename Loop>
void RollRepeatedlyFrom(const DicePool &pool, Xoshiro256 &generator, FailureRule rule, Loop &loop)
{
    HeldCopy<Xoshiro256> held(generator);
    loop([&] { return RollSummaryFrom(pool, held.get(), rule); });
}

template<typename Loop>
void RollRepeatedlyFrom(const DicePool &pool, DrawScript &script, FailureRule rule, Loop &loop)
{
    loop([&] { return RollSummaryFrom(pool, script, rule); });
}

// Runs loop(rollOnce), where rollOnce() rolls the pool once more and returns the summary,
// with the source's draws held in a local for the whole loop, which a generator keeps in
// registers; the source is brought up to date however the loop ends.
template<typename Loop>
void RollPoolRepeatedly(const DicePool &pool, RandomSource &source, FailureRule rule, Loop &&loop)
{
    source.withDraws([&](auto &draws) { RollRepeatedlyFrom(pool, draws, rule, loop); });
}

} // namespace MainBas
