#pragma once

#include "Edition.h"
#include "PoolRoll.h"

#include <cstdint>
#include <optional>

namespace MainBas::Sheet {

// A test as a player makes it at the table: a step, what changes it for now (wounds take a
// step each, a modifier adds or takes steps), karma and devotion points, each adding one
// die of its kind, and the target number it must reach, if any.
struct StepTest
{
    int step = 1;
    int wounds = 0;
    int modifier = 0;
    int karmaPoints = 0;
    int karmaDie = 6;
    int devotionPoints = 0;
    int devotionDie = 4;
    std::optional<int> target {};
};

// The step the dice come from: the step less the wounds plus the modifier, held to 1 to
// 100; `clamped` says it had to be.
struct ModifiedStep
{
    int step = 1;
    bool clamped = false;
};

ModifiedStep ModifiedStepOf(const StepTest &test);

// The modified step's dice in the edition, then a karma die per karma point, then a
// devotion die per devotion point.
DicePool PoolOf(const StepTest &test, Edition edition);

// What a roll of the test came to against its target number.
struct TestVerdict
{
    // Failed whatever the total: the Rule of One, or in 1st edition and Classic the
    // program's fumble rule.
    bool automaticFailure = false;
    bool hasTarget = false;
    bool success = false;
    // Total less target number: how far above it (or, negative, below it).
    int margin = 0;
    // In 4th edition, one for every full 5 points above the target number.
    int extraSuccesses = 0;
};

TestVerdict VerdictOf(const PoolRoll &roll, const std::optional<int> &target, Edition edition);

struct TestResult
{
    ModifiedStep step;
    PoolRoll roll;
    TestVerdict verdict;
};

// Rolls the test from the source; a roll past the 16-bit limits raises the overflow error
// as every roll does.
TestResult RollTest(const StepTest &test, Edition edition, RandomSource &source);

} // namespace MainBas::Sheet
