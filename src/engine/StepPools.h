#pragma once

#include "Dice.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace MainBas {

constexpr int StepCount = 100;
constexpr int MaxDicePerStep = 14;

// The dice a step rolls: die sizes in the order they are rolled, each with the edge of
// its highest face, and the amount taken off the total afterwards (2 for step 1, 1 for
// step 2, 0 for every other step).
struct StepPool
{
    std::array<std::int16_t, MaxDicePerStep> dice {};
    std::array<std::uint64_t, MaxDicePerStep> edges {};
    std::int16_t diceCount = 0;
    std::int16_t subtraction = 0;
};

namespace StepTable {

// Written exactly as players read the step table; parsed at compile time, so a typo
// here fails the build instead of rolling the wrong dice.
inline constexpr std::array<std::string_view, StepCount> Notation = {
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

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr int readNumber(std::string_view text, std::size_t &pos)
{
    int value = 0;
    while (pos < text.size() && isDigit(text[pos]))
        value = value * 10 + (text[pos++] - '0');
    return value;
}

constexpr StepPool parsePool(std::string_view text)
{
    StepPool pool;
    std::size_t pos = 0;
    while (pos < text.size()) {
        int count = readNumber(text, pos);
        if (count == 0)
            count = 1;
        if (pos >= text.size() || text[pos] != 'd')
            throw std::invalid_argument("expected 'd' in a dice pool");
        ++pos;
        const int size = readNumber(text, pos);
        if (size < 2 || pool.diceCount + count > MaxDicePerStep)
            throw std::invalid_argument("bad die size or too many dice");
        for (int i = 0; i < count; ++i) {
            pool.dice[pool.diceCount] = static_cast<std::int16_t>(size);
            pool.edges[pool.diceCount] = HighestFaceEdge(static_cast<std::int16_t>(size));
            ++pool.diceCount;
        }
        if (pos < text.size() && text[pos] == '-') {
            ++pos;
            pool.subtraction = static_cast<std::int16_t>(readNumber(text, pos));
        } else if (pos < text.size() && text[pos] == '+') {
            ++pos;
        }
    }
    return pool;
}

inline constexpr std::array<StepPool, StepCount> Pools = [] {
    std::array<StepPool, StepCount> pools {};
    for (int i = 0; i < StepCount; ++i)
        pools[i] = parsePool(Notation[i]);
    return pools;
}();

} // namespace StepTable

// The pool of step 1 to 100 in dice notation, e.g. "4d20+4d10+3d8+2d6" or "d4-2".
std::string_view PoolNotation(int step);

// The same pool as the windows show it, with capital dice: "4D20+4D10+3D8+2D6", "D4-2".
std::string PoolText(int step);

// The parsed pool of step 1 to 100; the caller makes sure the step lies in range.
inline const StepPool &PoolOfStep(int step)
{
    return StepTable::Pools[static_cast<std::size_t>(step - 1)];
}

} // namespace MainBas
