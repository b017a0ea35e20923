#pragma once

#include "Dice.h"
#include "StepPools.h"

#include <cstdint>

namespace MainBas {

// Verdict of the last step roll: -1 (true) for an automatic failure, 0 otherwise.
extern std::int16_t FumbleFlag;

// Rolls every die of a pool, each rolled out, re-rolls included, before the next, and
// returns the total; the single rolls are counted in RollCount. Out of line, so that
// the generator's state keeps its registers through the pool instead of sharing them
// with the caller's loop.
std::int16_t RollPool(const StepPool &pool);

// The same with a generator and a counter of the caller's own, so that other threads
// can roll without touching the program's shared source and counter.
std::int16_t RollPoolWith(const StepPool &pool, Xoshiro256 &generator, std::int16_t &count);

// Every die showing 1 makes the total equal the count; steps 1 and 2 can also fall to 1
// or below.
inline bool IsFumble(std::int16_t total, std::int16_t rolls)
{
    return total == rolls || total <= 1;
}

// Rolls step 1 to 100 from its pool of exploding dice and returns the total. Resets
// RollCount first, so afterwards it holds this roll's single die rolls, and sets
// FumbleFlag. A step outside 1 to 100 rolls nothing and returns 1, flagged.
inline std::int16_t RollStep(std::int16_t step)
{
    RollCount = 0;
    std::int16_t total = 1;
    if (step >= 1 && step <= StepCount)
        total = RollPool(PoolOfStep(step));
    FumbleFlag = IsFumble(total, RollCount) ? -1 : 0;
    return total;
}

// One step roll as the reports keep it.
struct StepRoll
{
    std::int16_t total = 0;
    std::int16_t rolls = 0;
    bool fumble = false;
};

// RollStep with the caller's own generator, leaving RollCount and FumbleFlag alone.
inline StepRoll RollStepWith(std::int16_t step, Xoshiro256 &generator)
{
    StepRoll roll {1, 0, false};
    if (step >= 1 && step <= StepCount)
        roll.total = RollPoolWith(PoolOfStep(step), generator, roll.rolls);
    roll.fumble = IsFumble(roll.total, roll.rolls);
    return roll;
}

} // namespace MainBas
