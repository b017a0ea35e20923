// Times the exact odds: the Step Odds window's longest listing (step 100 with a D20 karma
// die) and its table of all 100 steps against one target number, here as high as step 100's
// rolls usually reach, with the same karma die; then the summary and the table against the
// highest target number.
#include "OddsText.h"
#include "StepChances.h"
#include "StepOdds.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace MainBas::Odds;

namespace {

using Clock = std::chrono::steady_clock;

// The median time of one call, in microseconds, over many timed batches of calls.
double medianMicroseconds(int batches, int callsPerBatch, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int batch = 0; batch < batches; ++batch) {
        const auto start = Clock::now();
        for (int call = 0; call < callsPerBatch; ++call)
            work();
        const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
        times.push_back(elapsed.count() / callsPerBatch);
    }
    std::nth_element(times.begin(), times.begin() + batches / 2, times.end());
    return times[static_cast<std::size_t>(batches / 2)];
}

volatile double sink; // keeps the optimiser from dropping the work

} // namespace

int main()
{
    const double oneStep
        = medianMicroseconds(51, 20, [] { sink = ComputeStepOdds(100, KarmaDie::D20).mean; });
    const double allSteps = medianMicroseconds(
        51, 5, [] { sink = ChancesOfAllSteps(100, KarmaDie::D20).back().success.value; });
    // The highest target number the window takes, where every tail is summed furthest.
    const double summaryAt999 = medianMicroseconds(51, 5, [] {
        sink = static_cast<double>(
            SummaryLines(100, KarmaDie::D20, 999, ComputeStepOdds(100, KarmaDie::D20)).size());
    });
    const double allStepsAt999 = medianMicroseconds(
        11, 1, [] { sink = ChancesOfAllSteps(999, KarmaDie::D20).back().success.value; });
    std::printf("odds: one step %.0f us, all steps %.2f ms; against 999: summary %.0f us, all "
                "steps %.2f ms\n",
                oneStep, allSteps / 1000, summaryAt999, allStepsAt999 / 1000);
    return 0;
}
