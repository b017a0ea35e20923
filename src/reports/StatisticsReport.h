#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace MainBas {

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

// Rolls the step as often as the sample count says (j = 1, 2, ... while j <= samples).
StepStatistics RollStepStatistics(std::int16_t step, double samples);

// "Step Statistics / Number of Samples N =1000", the count in the locale's plain form.
QString StatisticsHeading(double samples);

// One step's line: mean, range, mean die rolls and fumbles.
QString StatisticsLine(std::int16_t step, const StepStatistics &statistics, double samples);

// Rolls steps 1 to 100 in order; after the heading and after every step, grown receives
// the report so far. A failed roll stops it where it is.
void StatisticsReport(double samples, const std::function<void(const QString &report)> &grown);

} // namespace MainBas
