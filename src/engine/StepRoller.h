#pragma once

#include "Dice.h"
#include "StepPools.h"

#include <cstdint>

namespace MainBas {

// Verdict of the last step roll: -1 (true) for an automatic failure, 0 otherwise.
extern std::int16_t FumbleFlag;

// Rolls step 1 to 100 from its pool of exploding dice and returns the total. Resets
// RollCount first, so afterwards it holds this roll's single die rolls, and sets
// FumbleFlag. A step outside 1 to 100 rolls nothing and returns 1, flagged.




namespace {

template<typename Draw>
std::int16_t rollPool(const StepPool &pool, std::int16_t &count, Draw &&draw)
{
    std::int16_t total = RollExplodingDie(pool.dice[0], count, draw);
    for (int i = 1; i < pool.diceCount; ++i)
        total = Add16(total, RollExplodingDie(pool.dice[i], count, draw));
    if (pool.subtraction != 0)
        total = Sub16(total, pool.subtraction);
    return total;
}

// Rolls from local copies of the generator and the counter, which the compiler keeps
// in registers; they are handed back however the roll ends, an overflow included.
std::int16_t rollPoolFast(const StepPool &pool)
{
    struct HandBack
    {
        Xoshiro256 generator = Random().generator();
        std::int16_t count = 0;
        ~HandBack()
        {
            Random().setGenerator(generator);
            RollCount = count;
        }
    } local;
    return rollPool(pool, local.count, [&local] { return local.generator.nextUnit(); });
}

} // namespace

inline std::int16_t RollStep(std::int16_t step)
{
    RollCount = 0;
    std::int16_t total = 1;
    if (step >= 1 && step <= StepCount) {
        const StepPool &pool = PoolOfStep(step);
        total = Random().isScripted()
                    ? rollPool(pool, RollCount, [] { return Random().next(); })
                    : rollPoolFast(pool);
    }
    // Every die showing 1 makes the total equal the count; steps 1 and 2 can also fall to 1 or below.
    FumbleFlag = (total == RollCount || total <= 1) ? -1 : 0;
    return total;
}

} // namespace MainBas
