#include "FumbleOdds.h"

#include "RolledDice.h"

#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace MainBas::Odds {

// The program's fumble rule. With s taken off the dice's value sum V, it asks for V - s ==
// rolls or V - s <= 1. Call E = V - rolls the excess: the first is E == s, the second
// V <= s + 1. A die's value is at least its number of rolls and above its own excess, so both
// need every die's excess to be at most s. That leaves a handful of ways for each die to land
// (a first 1 alone when s is 0), and a small table over (E, V) adds the dice one at a time;
// the fumbling entries give the totals V - s.

namespace {

struct Landing
{
    int excess;
    int value;
    double chance;
};

// The ways an n-sided die lands with an excess of at most limit: k highest faces, then a face
// f below n, exceed their k + 1 rolls by k (n - 1) + f - 1.
std::vector<Landing> landingsUpTo(int size, int limit)
{
    std::vector<Landing> landings;
    double chance = 1.0 / size;
    for (int highest = 0; highest * (size - 1) <= limit; ++highest, chance /= size) {
        for (int face = 1; face < size && highest * (size - 1) + face - 1 <= limit; ++face)
            landings.push_back({highest * (size - 1) + face - 1, highest * size + face, chance});
    }
    return landings;
}

// The chance of each (E, V) the dice so far can reach. The excess bounds the value sum, so
// the table stays small.
using Table = std::map<std::pair<int, int>, double>;

Table withDie(const Table &before, const std::vector<Landing> &landings, int subtraction)
{
    Table after;
    for (const auto &[reached, chance] : before) {
        for (const Landing &landing : landings) {
            const int excess = reached.first + landing.excess;
            const int value = reached.second + landing.value;
            if (excess <= subtraction)
                after[{excess, value}] += chance * landing.chance;
        }
    }
    return after;
}

// Every die showing 1 at once: their lowest total.
std::map<int, double> allOnes(const RolledDice &dice)
{
    double chance = 1;
    for (const int size : dice.sizes)
        chance /= size;
    return {{dice.lowestTotal(), chance}};
}

std::map<int, double> programFumbles(const RolledDice &dice)
{
    const int s = dice.subtraction;
    Table reached {{{0, 0}, 1.0}};
    for (const int size : dice.sizes)
        reached = withDie(reached, landingsUpTo(size, s), s);

    std::map<int, double> fumbles;
    for (const auto &[excessAndValue, chance] : reached) {
        const auto [excess, value] = excessAndValue;
        if (excess == s || value <= s + 1)
            fumbles[value - s] += chance;
    }
    return fumbles;
}

} // namespace

std::map<int, double> FumblingTotals(const RolledDice &dice)
{
    switch (dice.rule) {
    case FailureRule::ProgramFumble:
        return programFumbles(dice);
    case FailureRule::AllOnes:
        return allOnes(dice);
    case FailureRule::AllOnesOfTwoOrMore:
        return dice.sizes.size() >= 2 ? allOnes(dice) : std::map<int, double> {};
    }
    return {};
}

double FumbleChance(const RolledDice &dice)
{
    return FumbleChanceFrom(FumblingTotals(dice), std::numeric_limits<int>::min());
}

double FumbleChanceFrom(const std::map<int, double> &fumblingTotals, int total)
{
    double fumble = 0;
    for (auto it = fumblingTotals.lower_bound(total); it != fumblingTotals.end(); ++it)
        fumble += it->second;
    return fumble;
}

} // namespace MainBas::Odds
