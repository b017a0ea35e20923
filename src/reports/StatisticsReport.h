#pragma once

#include "StepRoller.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <vector>

namespace MainBas {

class WorkProgress;

// What the statistics report keeps of one step's samples.
struct StepStatistics
{
    std::int64_t sumOfTotals = 0;
    std::int64_t sumOfRolls = 0;
    std::int64_t fumbles = 0;
    // Inverted on purpose, as the report has always started them; the first sample
    // overwrites both.
    std::int16_t lowest = 10000;
    std::int16_t highest = -1;

    void add(std::int16_t total, std::int16_t rolls, bool fumble);
};

// Rolls the step from the program's source as often as the sample count says
// (j = 1, 2, ... while j <= samples).
StepStatistics RollStepStatistics(std::int16_t step, double samples,
                                  WorkProgress *progress = nullptr);

// What one run of the report left: the figures of steps 1, 2, ... up to the first that
// failed, that failure, or the news that it was cancelled.
struct StatisticsRun
{
    std::vector<StepStatistics> steps;
    std::exception_ptr error;
    bool cancelled = false;
};

// How a thread rolls a step from its own stream; RollStepWith but in tests.
using StreamRoller = StepRoll (*)(std::int16_t step, Xoshiro256 &stream);

// Rolls steps 1 to 100. From a scripted source, in order on this thread, as the report
// always did; otherwise on `threads` threads, a step at a time each, every step from a
// stream of its own split from the program's source, so nothing is shared while rolling.
StatisticsRun RollStatistics(double samples, WorkProgress &progress, unsigned threads,
                             StreamRoller roll = RollStepWith);

// "Step Statistics / Number of Samples N =1000", the count in the locale's plain form.
QString StatisticsHeading(double samples);

// One step's line: mean, range, mean die rolls and fumbles.
QString StatisticsLine(std::int16_t step, const StepStatistics &statistics, double samples);

// The heading and a line for each step given, from step 1 on.
QString StatisticsText(double samples, const std::vector<StepStatistics> &steps);

} // namespace MainBas
