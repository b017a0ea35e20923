#pragma once

#include "DicePool.h"
#include "FailureRule.h"

#include <array>
#include <string>
#include <string_view>

namespace MainBas {

constexpr int StepCount = 100;

// Which dice each step from 1 to 100 rolls, and when a roll of them fails whatever its
// total. A value: the table in use is handed to whatever rolls or describes a step.
class StepTable
{
public:
    // From dice notation, one pool per step: "d20+2d6", "4d20+4d10+3d8+2d6", "d4-2".
    explicit StepTable(const std::array<std::string_view, StepCount> &notation,
                       FailureRule rule = FailureRule::ProgramFumble);
    StepTable(std::array<DicePool, StepCount> pools, FailureRule rule);

    FailureRule failureRule() const { return m_rule; }

    // The pool of step 1 to 100; any other step throws std::out_of_range.
    const DicePool &pool(int step) const;

    // The pool as the windows show it: "D20+2D6", "D4-2".
    std::string text(int step) const { return pool(step).text(); }

private:
    std::array<DicePool, StepCount> m_pools;
    FailureRule m_rule;
};

// Written exactly as players read the program's own step table.
inline constexpr std::array<std::string_view, StepCount> FirstEditionNotation = {
    "d4-2",
    "d4-1",
    "d4",
    "d6",
    "d8",
    "d10",
    "d12",
    "2d6",
    "d8+d6",
    "d10+d6",
    "d10+d8",
    "2d10",
    "d12+d10",
    "d20+d4",
    "d20+d6",
    "d20+d8",
    "d20+d10",
    "d20+d12",
    "d20+2d6",
    "d20+d8+d6",
    "d20+d10+d6",
    "d20+d10+d8",
    "d20+2d10",
    "d20+d12+d10",
    "d20+d10+d8+d4",
    "d20+d10+d8+d6",
    "d20+d10+2d8",
    "d20+2d10+d8",
    "d20+d12+d10+d8",
    "d20+d10+d8+2d6",
    "d20+d10+2d8+d6",
    "d20+2d10+d8+d6",
    "d20+2d10+2d8",
    "d20+3d10+d8",
    "d20+d12+2d10+d8",
    "2d20+d10+d8+d4",
    "2d20+d10+d8+d6",
    "2d20+d10+2d8",
    "2d20+2d10+d8",
    "2d20+d12+d10+d8",
    "2d20+d10+d8+2d6",
    "2d20+d10+2d8+d6",
    "2d20+2d10+d8+d6",
    "2d20+2d10+2d8",
    "2d20+3d10+d8",
    "2d20+d12+2d10+d8",
    "2d20+2d10+2d8+d4",
    "2d20+2d10+2d8+d6",
    "2d20+2d10+3d8",
    "2d20+3d10+2d8",
    "2d20+d12+2d10+2d8",
    "2d20+2d10+2d8+2d6",
    "2d20+2d10+3d8+d6",
    "2d20+3d10+2d8+d6",
    "2d20+3d10+3d8",
    "2d20+4d10+2d8",
    "2d20+d12+3d10+2d8",
    "3d20+2d10+2d8+d4",
    "3d20+2d10+2d8+d6",
    "3d20+2d10+3d8",
    "3d20+3d10+2d8",
    "3d20+d12+2d10+2d8",
    "3d20+2d10+2d8+2d6",
    "3d20+2d10+3d8+d6",
    "3d20+3d10+2d8+d6",
    "3d20+3d10+3d8",
    "3d20+4d10+2d8",
    "3d20+d12+3d10+2d8",
    "3d20+3d10+3d8+d4",
    "3d20+3d10+3d8+d6",
    "3d20+3d10+4d8",
    "3d20+4d10+3d8",
    "3d20+d12+3d10+3d8",
    "3d20+3d10+3d8+2d6",
    "3d20+3d10+4d8+d6",
    "3d20+4d10+3d8+d6",
    "3d20+4d10+4d8",
    "3d20+5d10+3d8",
    "3d20+d12+4d10+3d8",
    "4d20+3d10+3d8+d4",
    "4d20+3d10+3d8+d6",
    "4d20+3d10+4d8",
    "4d20+4d10+3d8",
    "4d20+d12+3d10+3d8",
    "4d20+3d10+3d8+2d6",
    "4d20+3d10+4d8+d6",
    "4d20+4d10+3d8+d6",
    "4d20+4d10+4d8",
    "4d20+5d10+3d8",
    "4d20+d12+4d10+3d8",
    "4d20+4d10+3d8+2d6",
    "4d20+4d10+4d8+d6",
    "4d20+4d10+5d8",
    "4d20+5d10+4d8",
    "4d20+d12+4d10+4d8",
    "4d20+4d10+4d8+2d6",
    "4d20+4d10+5d8+d6",
    "4d20+5d10+4d8+d6",
    "4d20+5d10+5d8",
    "4d20+6d10+4d8",
};

// Checked at compile time, so a typo in the table fails the build instead of rolling
// the wrong dice.
static_assert([] {
    for (const std::string_view pool : FirstEditionNotation) {
        if (!IsPoolNotation(pool))
            return false;
    }
    return true;
}());

// The program's own table, the one rolled unless another is chosen.
const StepTable &FirstEditionTable();

} // namespace MainBas
