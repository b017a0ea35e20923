#include "ProgressShare.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace MainBas {

double SampleCost(const DicePool &pool)
{
    double rolls = 3;
    for (const PoolDie &die : pool.dice()) {
        const double faces = die.size;
        rolls += faces / (faces - 1);
    }
    return rolls;
}

double StatisticsSampleCost(const StepTable &table)
{
    double cost = 0;
    for (int step = 1; step <= StepCount; ++step)
        cost += SampleCost(table.pool(step));
    return cost;
}

double StatisticsShareDone(const StepTable &table, std::int64_t samplesDone, int stepsDone,
                           double samples)
{
    const double perStep = std::floor(samples); // the samples each step rolls
    if (!(perStep >= 1))
        return 0;
    const int finished = std::clamp(stepsDone, 0, StepCount);
    double done = 0;
    double all = 0;
    for (int step = 1; step <= StepCount; ++step) {
        const double cost = SampleCost(table.pool(step));
        all += cost;
        if (step <= finished)
            done += cost;
        else if (step == finished + 1)
            done += (static_cast<double>(samplesDone) - finished * perStep) / perStep * cost;
    }
    return done / all;
}

} // namespace MainBas
