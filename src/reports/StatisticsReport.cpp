#include "StatisticsReport.h"

#include "StepRoller.h"
#include "TextForms.h"
#include "WorkProgress.h"
#include "WorkerThreads.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace MainBas {

namespace {

// Means are cut down to the whole number below and divide by the count as read.
std::int64_t floorMean(std::int64_t sum, double samples)
{
    return static_cast<std::int64_t>(std::floor(static_cast<double>(sum) / samples));
}

StatisticsRun rollInOrder(double samples, WorkProgress &progress)
{
    StatisticsRun run;
    try {
        for (std::int16_t step = 1; step <= StepCount; ++step) {
            run.steps.push_back(RollStepStatistics(step, samples, &progress));
            progress.finishStep();
        }
    } catch (const WorkCancelled &) {
        run.cancelled = true;
    } catch (...) {
        run.error = std::current_exception();
    }
    return run;
}

// Works on copies of its own: threads writing next to each other would share cache lines.
StepStatistics rollStepOn(int step, double samples, Xoshiro256 stream, WorkProgress &progress,
                          StreamRoller roll)
{
    StepStatistics statistics;
    const auto s = static_cast<std::int16_t>(step);
    ForEachSample(samples, &progress, [&] {
        const StepRoll rolled = roll(s, stream);
        statistics.add(rolled.total, rolled.rolls, rolled.fumble);
    });
    return statistics;
}

StatisticsRun rollOnStreams(double samples, WorkProgress &progress, unsigned threads,
                            StreamRoller roll)
{
    std::vector<Xoshiro256> streams = Random().splitStreams(StepCount);
    std::vector<StepStatistics> results(StepCount);
    std::atomic<int> nextStep {1};
    FirstFailure failure(StepCount + 1);
    RunOnThreads(threads, [&](unsigned /*worker*/) {
        // Steps are taken in order, so every step before a failed one is rolled whole.
        for (int step = nextStep++; step <= StepCount && step < failure.first();
             step = nextStep++) {
            try {
                results[step - 1] = rollStepOn(step, samples, streams[step - 1], progress, roll);
                progress.finishStep();
            } catch (const WorkCancelled &) {
                return;
            } catch (...) {
                failure.record(step, std::current_exception());
            }
        }
    });
    StatisticsRun run;
    run.cancelled = progress.isCancelled();
    run.error = failure.error();
    results.resize(static_cast<std::size_t>(failure.first() - 1));
    run.steps = std::move(results);
    return run;
}

} // namespace

void StepStatistics::add(std::int16_t total, std::int16_t rolls, bool fumble)
{
    sumOfTotals += total;
    sumOfRolls += rolls;
    if (fumble)
        ++fumbles;
    lowest = std::min(lowest, total);
    highest = std::max(highest, total);
}

StepStatistics RollStepStatistics(std::int16_t step, double samples, WorkProgress *progress)
{
    StepStatistics statistics;
    ForEachSample(samples, progress, [&] {
        const std::int16_t total = RollStep(step);
        statistics.add(total, RollCount, FumbleFlag != 0);
    });
    return statistics;
}

StatisticsRun RollStatistics(double samples, WorkProgress &progress, unsigned threads,
                             StreamRoller roll)
{
    if (Random().isScripted())
        return rollInOrder(samples, progress);
    return rollOnStreams(samples, progress, threads, roll);
}

QString StatisticsHeading(double samples)
{
    // The locale's separator need not be ASCII: the number comes back as UTF-8.
    const std::string separator = QLocale().decimalPoint().toStdString();
    return QStringLiteral("Step Statistics / Number of Samples N =")
        + QString::fromStdString(PlainNumber(samples, separator)) + CrLf + CrLf;
}

QString StatisticsLine(std::int16_t step, const StepStatistics &statistics, double samples)
{
    return QStringLiteral("Step: ") + BlankSignedText(step) + QStringLiteral("   Mean:")
        + BlankSignedText(floorMean(statistics.sumOfTotals, samples))
        + QStringLiteral("     \\  Range: (") + BlankSignedText(statistics.lowest)
        + QStringLiteral(" -") + BlankSignedText(statistics.highest)
        + QStringLiteral(")     \\  Mean Rolls:")
        + BlankSignedText(floorMean(statistics.sumOfRolls, samples))
        + QStringLiteral("     \\  Fumbles:") + BlankSignedText(statistics.fumbles) + CrLf;
}

QString StatisticsText(double samples, const std::vector<StepStatistics> &steps)
{
    QString report = StatisticsHeading(samples);
    for (std::size_t i = 0; i < steps.size(); ++i)
        report += StatisticsLine(static_cast<std::int16_t>(i + 1), steps[i], samples);
    return report;
}

} // namespace MainBas
