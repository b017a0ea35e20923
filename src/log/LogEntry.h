#pragma once

// What the roll log keeps of one result: when it was shown and the figures it was made
// of, not its texts. The texts are built when a row is shown or exported, so a long
// session costs a few dozen bytes per entry; only action draws hold strings, and those
// share their buffers with the action tables.

#include "Edition.h"

#include <QString>

#include <cstdint>
#include <variant>

namespace MainBas::Log {

struct StepRolled
{
    std::int16_t step = 0;
    std::int16_t total = 0;
    std::int16_t dieRolls = 0;
    bool fumble = false;
    Edition edition = Edition::First; // whose table the step's dice came from
};

// One free die added to the sum in the result box. The sum is wider than a total, since
// the box may be written one die past 32767 before reading it back fails.
struct FreeDieAdded
{
    std::int16_t size = 0;
    std::int16_t rolled = 0;
    std::int32_t sum = 0;
};

struct DecisionMade
{
    std::int16_t possibilities = 0;
    std::int16_t picked = 0;
};

struct ActionDrawn
{
    QString caption;
    QString entry;
};

// The two reports keep their results in the viewer; the log only notes that they ran.
struct DistributionReported
{
    std::int16_t step = 0;
    double samples = 0;
};

struct StatisticsReported
{
    double samples = 0;
};

// A test rolled on the Roll Sheet: a step with its extras against a target number. Rare
// enough to keep its texts, which name the roll, its dice and its verdict.
struct TestRolled
{
    QString what; // "Melee Weapons: step 11 + karma D6 - 2 wounds vs 13"
    QString result; // "19, success, 1 extra (D10: 10+2, D8: 3, karma D6: 4)"
    std::int16_t total = 0;
    bool automaticFailure = false;
};

using Roll = std::variant<StepRolled, FreeDieAdded, DecisionMade, ActionDrawn, DistributionReported,
                          StatisticsReported, TestRolled>;

struct Entry
{
    std::int64_t time = 0; // seconds since the epoch, shown in local time
    Roll roll;
};

} // namespace MainBas::Log
