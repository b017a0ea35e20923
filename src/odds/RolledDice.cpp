#include "RolledDice.h"

namespace MainBas::Odds {

RolledDice DiceOf(const DicePool &pool, FailureRule rule)
{
    RolledDice dice {{}, -pool.adjustment(), rule};
    for (const PoolDie &die : pool.dice())
        dice.sizes.push_back(die.size);
    return dice;
}

RolledDice DiceOf(const StepTable &table, int step)
{
    return DiceOf(table.pool(step), table.failureRule());
}

} // namespace MainBas::Odds
