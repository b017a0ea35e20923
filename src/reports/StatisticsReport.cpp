#include "StatisticsReport.h"

#include "StepRoller.h"
#include "TextForms.h"

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

StepStatistics RollStepStatistics(std::int16_t step, double samples)
{
    StepStatistics statistics;
    for (std::int64_t j = 1; static_cast<double>(j) <= samples; ++j) {
        const std::int16_t total = RollStep(step);
        statistics.add(total, RollCount, FumbleFlag != 0);
    }
    return statistics;
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

void StatisticsReport(double samples, const std::function<void(const QString &report)> &grown)
{
    QString report = StatisticsHeading(samples);
    grown(report);
    for (std::int16_t step = 1; step <= StepCount; ++step) {
        report += StatisticsLine(step, RollStepStatistics(step, samples), samples);
        grown(report);
    }
}

} // namespace MainBas
