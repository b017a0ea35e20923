#include "StatisticsReport.h"

#include "PoolRolling.h"
#include "TextForms.h"
#include "WorkProgress.h"
#include "WorkerThreads.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace MainBas {

namespace {

// Means are cut down to the whole number below and divide by the count as read.
std::int64_t floorMean(std::int64_t sum, double samples)
{
    return static_cast<std::int64_t>(std::floor(static_cast<double>(sum) / samples));
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

StepStatistics RollStepStatistics(const DicePool &pool, FailureRule rule, double samples,
                                  RandomSource &stream, WorkProgress *progress)
{
    StepStatistics statistics;
    RollPoolRepeatedly(pool, stream, rule, [&](const auto &rollOnce) {
        ForEachSample(samples, progress, [&] {
            const RollSummary rolled = rollOnce();
            statistics.add(rolled.total, rolled.singleRolls, rolled.fumble);
        });
    });
    return statistics;
}

StatisticsRun RollStatistics(double samples, const StepTable &table, RandomSource &source,
                             WorkProgress &progress, unsigned threads)
{
    return RollStatistics(samples, table, source.split(StepCount), progress, threads);
}

StatisticsRun RollStatistics(double samples, const StepTable &table,
                             std::vector<RandomSource> streams, WorkProgress &progress,
                             unsigned threads)
{
    if (streams.size() != StepCount)
        throw std::invalid_argument("the statistics roll every step from a stream of its own");
    std::vector<StepStatistics> results(StepCount);
    const PiecesRun pieces = RunPieces(StepCount, threads, [&](int piece) {
        const auto at = static_cast<std::size_t>(piece);
        // Works on a copy of its stream: threads writing next to each other would share
        // cache lines.
        RandomSource stream = streams[at];
        results[at] = RollStepStatistics(table.pool(piece + 1), table.failureRule(), samples,
                                         stream, &progress);
        progress.finishStep();
    });
    StatisticsRun run;
    run.cancelled = progress.isCancelled();
    run.error = pieces.error;
    results.resize(static_cast<std::size_t>(pieces.firstFailed));
    run.steps = std::move(results);
    return run;
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
