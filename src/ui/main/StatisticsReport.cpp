// Statistics rolls every step as many times as the sample count box says and lists
// mean, range, mean number of die rolls and fumbles per step.
#include "Die.h"

#include "BusyCursor.h"
#include "CommandText.h"
#include "ErrorReporter.h"
#include "NumberForms.h"
#include "SampleCount.h"
#include "StepRoller.h"
#include "frmText.h"

#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace MainBas {

namespace {

struct StepStatistics
{
    std::int64_t sumOfTotals = 0;
    std::int64_t sumOfRolls = 0;
    std::int64_t fumbles = 0;
    std::int16_t lowest = 10000;
    std::int16_t highest = -1;
};

StepStatistics rollStep(std::int16_t step, double samples)
{
    StepStatistics stats;
    for (std::int64_t j = 1; static_cast<double>(j) <= samples; ++j) {
        const std::int16_t total = RollStep(step);
        stats.sumOfTotals += total;
        stats.sumOfRolls += RollCount;
        if (FumbleFlag != 0)
            ++stats.fumbles;
        stats.lowest = std::min(stats.lowest, total);
        stats.highest = std::max(stats.highest, total);
    }
    return stats;
}

// Means are cut down to the whole number below and divide by the count as read.
std::int64_t floorMean(std::int64_t sum, double samples)
{
    return static_cast<std::int64_t>(std::floor(static_cast<double>(sum) / samples));
}

QString stepLine(std::int16_t step, const StepStatistics &stats, double samples)
{
    return QStringLiteral("Step: ") + BlankSignedText(step) + QStringLiteral("   Mean:")
        + BlankSignedText(floorMean(stats.sumOfTotals, samples))
        + QStringLiteral("     \\  Range: (") + BlankSignedText(stats.lowest) + QStringLiteral(" -")
        + BlankSignedText(stats.highest) + QStringLiteral(")     \\  Mean Rolls:")
        + BlankSignedText(floorMean(stats.sumOfRolls, samples))
        + QStringLiteral("     \\  Fumbles:") + BlankSignedText(stats.fumbles) + CrLf;
}

QString heading(double samples)
{
    // The locale's separator need not be ASCII: the number comes back as UTF-8.
    const std::string separator = QLocale().decimalPoint().toStdString();
    return QStringLiteral("Step Statistics / Number of Samples N =")
        + QString::fromStdString(PlainNumber(samples, separator)) + CrLf + CrLf;
}

// The viewer shows the report growing step by step; if a roll fails, it keeps the
// steps finished so far.
void writeReport(double samples)
{
    SetViewerTitle(QStringLiteral("Step Statistics"));
    QString report = heading(samples);
    SetViewerText(report);
    for (std::int16_t step = 1; step <= StepCount; ++step) {
        report += stepLine(step, rollStep(step, samples), samples);
        SetViewerText(report);
    }
}

} // namespace

void Die::cmdStatistic_Click()
{
    RunCommand([&] {
        const double samples = ReadSampleCount(txtProbeCount->text());
        // Two samples or fewer make no report; the viewer is shown as it stands.
        if (samples > 2) {
            const BusyCursor busy;
            writeReport(samples);
        }
        ShowViewer();
    });
}

} // namespace MainBas
