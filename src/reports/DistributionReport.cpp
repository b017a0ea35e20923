#include "DistributionReport.h"

#include "StepDescriptions.h"
#include "StepRoller.h"
#include "TextForms.h"

#include <algorithm>
#include <cmath>

namespace MainBas {

namespace {

QString heading(std::int16_t step, const QString &typedCount)
{
    return QStringLiteral("Distribution for step") + BlankSignedText(step)
        + QStringLiteral("   (N=") + WithoutOuterBlanks(typedCount) + QStringLiteral(" samples).")
        + CrLf + QStringLiteral("Dice(s): ") + StepDescriptions[static_cast<std::size_t>(step)]
        + CrLf + CrLf;
}

QString summary(const Distribution &d, double samples)
{
    const auto mean = static_cast<std::int64_t>(std::floor(d.sum / samples));
    return QStringLiteral("Sum of rolls:") + BlankSignedText(static_cast<std::int64_t>(d.sum))
        + CrLf + QStringLiteral("Range:") + BlankSignedText(d.lowest) + QStringLiteral(" to")
        + BlankSignedText(d.highest) + CrLf + QStringLiteral("Mean:") + BlankSignedText(mean) + CrLf
        + CrLf + CrLf;
}

QString listing(const Distribution &d)
{
    QString text = QStringLiteral("Distribution:") + CrLf + CrLf;
    for (int total = d.lowest; total <= d.highest; ++total) {
        const auto t = static_cast<std::int16_t>(total);
        text += BlankSignedText(t) + QStringLiteral(" :    ") + QString::number(d.tally.count(t))
            + CrLf;
    }
    return text;
}

} // namespace

void Distribution::add(std::int16_t total)
{
    tally.add(total);
    highest = std::max(highest, total);
    lowest = std::min(lowest, total);
    sum += total;
}

Distribution RollDistribution(std::int16_t step, double samples)
{
    Distribution result;
    for (std::int64_t i = 1; static_cast<double>(i) <= samples; ++i)
        result.add(RollStep(step));
    return result;
}

QString DistributionReport(std::int16_t step, const QString &typedCount,
                           const Distribution &distribution, double samples)
{
    return heading(step, typedCount) + summary(distribution, samples) + listing(distribution);
}

} // namespace MainBas
