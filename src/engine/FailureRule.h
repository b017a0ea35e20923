#pragma once

#include <cstdint>

namespace MainBas {

// How a roll is judged an automatic failure, whatever its total.
enum class FailureRule : std::uint8_t {
    // The program's own fumble rule: the total equals the number of single rolls (every
    // die showed 1) or is 1 or less.
    ProgramFumble,
    // The Rule of One: every die rolled shows 1 on its first roll.
    AllOnes,
    // The Rule of One when at least two dice were rolled.
    AllOnesOfTwoOrMore,
};

// A die's value is at least its number of rolls, and equal to it exactly when it showed
// 1 at once (a 1 never explodes), so the dice all showed 1 exactly when their sum, the
// total less the adjustment, equals the number of single rolls.
inline bool IsAutomaticFailure(FailureRule rule, int total, int singleRolls, int adjustment,
                               int dice)
{
    const bool allOnes = total - adjustment == singleRolls;
    switch (rule) {
    case FailureRule::ProgramFumble:
        return total == singleRolls || total <= 1;
    case FailureRule::AllOnes:
        return allOnes;
    case FailureRule::AllOnesOfTwoOrMore:
        return allOnes && dice >= 2;
    }
    return false;
}

} // namespace MainBas
