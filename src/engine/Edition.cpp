#include "Edition.h"

#include <string>
#include <vector>

namespace MainBas {

namespace {

struct EditionFacts
{
    std::string_view key;
    std::string_view name;
};

constexpr std::array<EditionFacts, Editions.size()> Facts = {{
    {"first", "1st edition"},
    {"classic", "Classic"},
    {"third", "3rd edition"},
    {"fourth", "4th edition"},
}};

const EditionFacts &factsOf(Edition edition)
{
    return Facts.at(static_cast<std::size_t>(edition));
}

// An edition's table as a rule: steps 1 to 7 listed, then from step 8 a cycle of pools
// that each completed cycle raises by one more die of the `growth` notation.
struct Pattern
{
    std::array<std::string_view, 7> firstSteps;
    std::vector<std::string_view> cycle;
    std::string_view growth;
};

std::string notationOf(const Pattern &pattern, int step)
{
    if (step <= 7)
        return std::string(pattern.firstSteps[static_cast<std::size_t>(step - 1)]);
    const auto at = static_cast<std::size_t>(step - 8);
    const std::size_t cycles = at / pattern.cycle.size();
    const std::string_view cyclePool = pattern.cycle[at % pattern.cycle.size()];
    if (cycles == 0)
        return std::string(cyclePool);
    return std::to_string(cycles) + std::string(pattern.growth) + '+' + std::string(cyclePool);
}

StepTable tableOf(const Pattern &pattern, FailureRule rule)
{
    std::array<DicePool, StepCount> pools;
    for (int step = 1; step <= StepCount; ++step)
        pools[static_cast<std::size_t>(step - 1)] = PoolOfNotation(notationOf(pattern, step));
    return StepTable(std::move(pools), rule);
}

// No D4 and no D20: a D12 more for every seven steps.
const Pattern ThirdEdition = {
    {"d6-3", "d6-2", "d6-1", "d6", "d8", "d10", "d12"},
    {"2d6", "d8+d6", "2d8", "d10+d8", "2d10", "d12+d10", "2d12"},
    "d12",
};

// A D20 more for every eleven steps, the first at step 19.
const Pattern FourthEdition = {
    {"d4-2", "d4-1", "d4", "d6", "d8", "d10", "d12"},
    {"2d6", "d8+d6", "2d8", "d10+d8", "2d10", "d12+d10", "2d12", "d12+2d6", "d12+d8+d6", "d12+2d8",
     "d12+d10+d8"},
    "d20",
};

// The program's own table but for step 14, which rolls two D12.
StepTable classicTable()
{
    std::array<std::string_view, StepCount> notation = FirstEditionNotation;
    notation[13] = "2d12";
    return StepTable(notation, FailureRule::ProgramFumble);
}

} // namespace

const StepTable &StepTableOf(Edition edition)
{
    static const StepTable classic = classicTable();
    static const StepTable third = tableOf(ThirdEdition, FailureRule::AllOnes);
    static const StepTable fourth = tableOf(FourthEdition, FailureRule::AllOnesOfTwoOrMore);
    switch (edition) {
    case Edition::Classic:
        return classic;
    case Edition::Third:
        return third;
    case Edition::Fourth:
        return fourth;
    case Edition::First:
        break;
    }
    return FirstEditionTable();
}

std::string_view EditionKey(Edition edition)
{
    return factsOf(edition).key;
}

std::optional<Edition> EditionOfKey(std::string_view key)
{
    for (const Edition edition : Editions) {
        if (EditionKey(edition) == key)
            return edition;
    }
    return std::nullopt;
}

std::string_view EditionName(Edition edition)
{
    return factsOf(edition).name;
}

} // namespace MainBas
