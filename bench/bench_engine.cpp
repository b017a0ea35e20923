// Measures the dice engine on the statistics report's own rolling against the raw cost
// of the generator's draws, in one run, so the ratio holds whatever the machine.
#include "Dice.h"
#include "StatisticsReport.h"
#include "StepTable.h"
#include "WorkProgress.h"
#include "WorkerThreads.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

using namespace MainBas;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsOf(const std::function<void()> &work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double medianOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double medianOf(int repeats, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i)
        times.push_back(millisecondsOf(work));
    return medianOf(times);
}

// Medians of two pieces of work timed in turn, so that a machine busy with something
// else for a while slows both alike and leaves their ratio alone.
std::pair<double, double> mediansInTurn(int repeats, const std::function<void()> &first,
                                        const std::function<void()> &second)
{
    std::vector<double> firstTimes;
    std::vector<double> secondTimes;
    for (int i = 0; i < repeats; ++i) {
        firstTimes.push_back(millisecondsOf(first));
        secondTimes.push_back(millisecondsOf(second));
    }
    return {medianOf(firstTimes), medianOf(secondTimes)};
}

volatile std::int64_t sink; // keeps the optimiser from dropping the work

RandomSource source;

// The statistics report's own rolling on one stream: every step, N samples each.
std::int64_t statisticsWorkload(int samples)
{
    std::int64_t checksum = 0;
    for (int step = 1; step <= StepCount; ++step) {
        const StepStatistics s = RollStepStatistics(FirstEditionTable().pool(step),
                                                    FailureRule::ProgramFumble, samples, source);
        checksum += s.sumOfTotals + s.sumOfRolls + s.fumbles + s.lowest + s.highest;
    }
    return checksum;
}

double rawDraws(std::int64_t count)
{
    double sum = 0;
    for (std::int64_t i = 0; i < count; ++i)
        sum += source.next();
    return sum;
}

// Counts the single die rolls of the workload, so the raw draws match it exactly.
std::int64_t dieRollsOf(int samples)
{
    std::int64_t rolls = 0;
    for (int step = 1; step <= StepCount; ++step)
        rolls += RollStepStatistics(FirstEditionTable().pool(step), FailureRule::ProgramFumble,
                                    samples, source)
                     .sumOfRolls;
    return rolls;
}

} // namespace

int main()
{
    source.seed(12345);

    const int dieCalls = 10'000'000;
    const double dieMs = medianOf(5, [&] {
        std::int64_t sum = 0;
        for (int i = 0; i < dieCalls; ++i) {
            RollCount = 0;
            sum += RollDie(source, 6);
        }
        sink = sum;
    });
    std::printf("RollDie: %.2f ns per call (d6)\n", dieMs * 1e6 / dieCalls);

    const double smallMs = medianOf(9, [] { sink = statisticsWorkload(1000); });
    std::printf("statistics workload: N=1000 %.2f ms\n", smallMs);

    const int samples = 100000;
    const std::int64_t draws = dieRollsOf(samples);
    const auto [workloadMs, drawsMs] = mediansInTurn(
        5, [&] { sink = statisticsWorkload(samples); },
        [&] { sink = static_cast<std::int64_t>(rawDraws(draws)); });
    std::printf("raw draws: %lld draws (%.2f per step roll)\n", static_cast<long long>(draws),
                static_cast<double>(draws) / (100.0 * samples));
    std::printf("statistics workload: N=%d %.1f ms, raw draws %.1f ms, ratio %.2f\n", samples,
                workloadMs, drawsMs, workloadMs / drawsMs);

    // The report's own rolling on every core against one core, timed in turn.
    const auto rollOn = [samples](unsigned threads) {
        WorkProgress progress;
        sink = RollStatistics(samples, FirstEditionTable(), source, progress, threads)
                   .steps.back()
                   .sumOfTotals;
    };
    const auto [allCoresMs, oneCoreMs] = mediansInTurn(
        5, [&] { rollOn(WorkerThreads()); }, [&] { rollOn(1); });
    std::printf("statistics report (all cores): N=%d %.1f ms, one core %.1f ms, speed-up %.2f\n",
                samples, allCoresMs, oneCoreMs, oneCoreMs / allCoresMs);
    return 0;
}
