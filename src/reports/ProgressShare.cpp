#include "ProgressShare.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace MainBas {

namespace {

// What one sample of a step costs, in die rolls: each die of n faces is rolled n / (n - 1)
// times on average, as it explodes once in n rolls; the rest of the sample's work costs
// about as much as three more rolls, as measured on the statistics report.
double sampleCost(const DicePool &pool)
{
    double rolls = 3;
    for (const PoolDie &die : pool.dice()) {
        const double faces = die.size;
        rolls += faces / (faces - 1);
    }
    return rolls;
}

} // namespace

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
        const double cost = sampleCost(table.pool(step));
        all += cost;
        if (step <= finished)
            done += cost;
        else if (step == finished + 1)
            done += (static_cast<double>(samplesDone) - finished * perStep) / perStep * cost;
    }
    return done / all;
}

} // namespace MainBas
