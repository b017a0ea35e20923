#pragma once

#include "PoolRoll.h"
#include "StepTable.h"

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

// Rolls the pool from the stream as often as the sample count says (j = 1, 2, ... while
// j <= samples), judging each roll by the rule.
StepStatistics RollStepStatistics(const DicePool &pool, FailureRule rule, double samples,
                                  RandomSource &stream, WorkProgress *progress = nullptr);

// What one run of the report left: the figures of steps 1, 2, ... up to the first that
// failed, that failure, or the news that it was cancelled.
struct StatisticsRun
{
    std::vector<StepStatistics> steps;
    std::exception_ptr error;
    bool cancelled = false;
};

// Rolls steps 1 to 100 of the table on up to `threads` threads, a step at a time each,
// step k from streams[k - 1] of StepCount streams split off a source beforehand, so
// nothing is shared while rolling and the figures do not depend on the number of threads.
StatisticsRun RollStatistics(double samples, const StepTable &table,
                             std::vector<RandomSource> streams, WorkProgress &progress,
                             unsigned threads);

// The same with the streams split off the source here, on the calling thread.
StatisticsRun RollStatistics(double samples, const StepTable &table, RandomSource &source,
                             WorkProgress &progress, unsigned threads);

// "Step Statistics / Number of Samples N =1000", the count in the locale's plain form.
QString StatisticsHeading(double samples);

// One step's line: mean, range, mean die rolls and fumbles.
QString StatisticsLine(std::int16_t step, const StepStatistics &statistics, double samples);

// The heading and a line for each step given, from step 1 on.
QString StatisticsText(double samples, const std::vector<StepStatistics> &steps);

} // namespace MainBas
