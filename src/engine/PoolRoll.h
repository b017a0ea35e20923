#pragma once

#include "DicePool.h"
#include "FailureRule.h"
#include "RandomSource.h"

#include <cstdint>
#include <vector>

namespace MainBas {

// One die of a roll and everything it showed: an exploding d6 that showed 6, 6, 2 is one
// die with the rolls 6, 6, 2 and the total 14.
struct RolledDie
{
    std::int16_t size = 0;
    DieRole role = DieRole::Step;
    std::vector<std::int16_t> rolls;
    std::int16_t total = 0;
};

// What rolling a pool came to.
struct PoolRoll
{
    std::vector<RolledDie> dice;
    std::int16_t adjustment = 0;
    std::int16_t total = 0;
    // Every single roll, re-rolls included.
    std::int16_t singleRolls = 0;
    bool fumble = false;
};

// The same without the dice, as the reports keep a roll.
struct RollSummary
{
    std::int16_t total = 0;
    std::int16_t singleRolls = 0;
    bool fumble = false;
};

// Rolls every die of the pool from the source, each rolled out before the next, and judges
// the roll by the rule. Each single roll is counted in `count` before it is drawn, so a
// roll stopped by the 16-bit limits (the overflow error) leaves there how far it came.
PoolRoll RollPool(const DicePool &pool, RandomSource &source, std::int16_t &count,
                  FailureRule rule = FailureRule::ProgramFumble);

// The same keeping only the total, the single rolls and the verdict: the hot path of the
// reports, which roll millions of times.
RollSummary RollPoolSummary(const DicePool &pool, RandomSource &source,
                            FailureRule rule = FailureRule::ProgramFumble);

} // namespace MainBas
