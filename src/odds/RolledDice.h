#pragma once

#include "KarmaDie.h"

#include <vector>

namespace MainBas::Odds {

// Every die of one roll, the karma die included, and what is taken off their sum.
struct RolledDice
{
    std::vector<int> sizes;
    int subtraction = 0;

    // Each die shows at least 1.
    int lowestSum() const { return static_cast<int>(sizes.size()); }
    int lowestTotal() const { return lowestSum() - subtraction; }
};

// The dice of step 1 to 100 rolled with the karma die; a step out of range throws
// std::out_of_range.
RolledDice DiceOf(int step, KarmaDie karma);

} // namespace MainBas::Odds
