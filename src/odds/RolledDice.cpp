#include "RolledDice.h"

#include "StepPools.h"

#include <stdexcept>

namespace MainBas::Odds {

RolledDice DiceOf(int step, KarmaDie karma)
{
    if (step < 1 || step > StepCount)
        throw std::out_of_range("a step lies between 1 and 100");
    const StepPool &pool = PoolOfStep(step);
    RolledDice dice {{pool.dice.begin(), pool.dice.begin() + pool.diceCount}, pool.subtraction};
    if (karma != KarmaDie::None)
        dice.sizes.push_back(SizeOf(karma));
    return dice;
}

} // namespace MainBas::Odds
