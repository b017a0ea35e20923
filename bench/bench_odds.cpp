// Times the exact odds: the Step Odds window's longest 1st edition listing (step 100 with a
// D20 karma die) and its table of all 100 steps against one target number, here as high as
// step 100's rolls usually reach, with the same karma die; then the summary and the table
// against the highest target number; the same listing and table in 4th edition; and the
// chances of success of 50 tests with a target number, as a character sheet's rows show them.
#include "OddsText.h"
#include "StepChances.h"
#include "StepOdds.h"
#include "StepTest.h"
#include "TestOdds.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using namespace MainBas;
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

// A step of the edition with one D20 karma die.
RolledDice withKarmaD20(Edition edition, int step)
{
    const Sheet::StepTest test {.step = step, .karmaPoints = 1, .karmaDie = 20};
    return DiceOf(Sheet::PoolOf(test, edition), StepTableOf(edition).failureRule());
}

double oneStep(Edition edition)
{
    const RolledDice dice = withKarmaD20(edition, 100);
    return medianMicroseconds(51, 20, [&] { sink = ComputeStepOdds(dice).mean; });
}

double allSteps(Edition edition, int target, int batches, int callsPerBatch)
{
    const auto diceOf = [edition](int step) { return withKarmaD20(edition, step); };
    return medianMicroseconds(batches, callsPerBatch, [&] {
        sink = ChancesOfAllSteps(target, diceOf).back().success.value;
    });
}

// Steps 5 to 54 with a D6 karma die against their rounded mean, in 4th edition: success and
// each number of extra successes.
double namedRolls()
{
    std::vector<Sheet::StepTest> tests;
    for (int step = 5; step < 55; ++step) {
        Sheet::StepTest test {.step = step, .karmaPoints = 1};
        const double mean = ClosedFormMean(
            DiceOf(Sheet::PoolOf(test, Edition::Fourth), FailureRule::AllOnesOfTwoOrMore));
        test.target = static_cast<int>(std::lround(mean));
        tests.push_back(test);
    }
    return medianMicroseconds(21, 5, [&] {
        for (const Sheet::StepTest &test : tests) {
            sink = OddsOfTest(Sheet::PoolOf(test, Edition::Fourth), Edition::Fourth, test.target)
                       .success->value;
        }
    });
}

} // namespace

int main()
{
    const double firstOne = oneStep(Edition::First);
    const double firstAll = allSteps(Edition::First, 100, 51, 5);
    // The highest target number the window takes, where every tail is summed furthest.
    const RolledDice step100 = withKarmaD20(Edition::First, 100);
    const DicePool pool100
        = Sheet::PoolOf({.step = 100, .karmaPoints = 1, .karmaDie = 20}, Edition::First);
    const double summaryAt999 = medianMicroseconds(51, 5, [&] {
        sink = static_cast<double>(
            SummaryLines(100, pool100, Edition::First, 999, ComputeStepOdds(step100)).size());
    });
    const double allAt999 = allSteps(Edition::First, 999, 11, 1);
    std::printf("odds: one step %.0f us, all steps %.2f ms; against 999: summary %.0f us, all "
                "steps %.2f ms\n",
                firstOne, firstAll / 1000, summaryAt999, allAt999 / 1000);
    std::printf("odds (4th edition): one step %.0f us, all steps %.2f ms\n",
                oneStep(Edition::Fourth), allSteps(Edition::Fourth, 100, 51, 5) / 1000);
    std::printf("sheet: odds of 50 named rolls %.2f ms\n", namedRolls() / 1000);
    return 0;
}
