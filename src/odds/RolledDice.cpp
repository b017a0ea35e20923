#include "RolledDice.h"

#include "StepTable.h"

namespace MainBas::Odds {

RolledDice DiceOf(int step, KarmaDie karma)
{
    const DicePool &pool = FirstEditionTable().pool(step);
    RolledDice dice {{}, -pool.adjustment()};
    for (const PoolDie &die : pool.dice())
        dice.sizes.push_back(die.size);
    if (karma != KarmaDie::None)
        dice.sizes.push_back(SizeOf(karma));
    return dice;
}

} // namespace MainBas::Odds
