// F7 on a step button rolls that step many times and lists how the totals fall.
#include "Die.h"

#include "BusyCursor.h"
#include "ButtonArrayKeys.h"
#include "Checked16.h"
#include "CommandText.h"
#include "ErrorReporter.h"
#include "SampleCount.h"
#include "StepDescriptions.h"
#include "StepRoller.h"
#include "frmText.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <vector>

namespace MainBas {

namespace {

// How often each total came up. Every 16-bit total has its own wide counter, so
// neither a rare high roll nor a huge sample count can break the listing.
class TotalTally
{
public:
    void add(std::int16_t total) { ++m_counts[cell(total)]; }
    std::int64_t count(std::int16_t total) const { return m_counts[cell(total)]; }

private:
    static std::size_t cell(std::int16_t total)
    {
        return static_cast<std::size_t>(total - INT16_MIN);
    }

    std::vector<std::int64_t> m_counts = std::vector<std::int64_t>(std::size_t {1} << 16);
};

struct Distribution
{
    TotalTally tally;
    double sum = 0;
    std::int16_t lowest = 600;
    std::int16_t highest = -1;
};

Distribution rollSamples(std::int16_t step, double samples)
{
    Distribution result;
    for (std::int64_t i = 1; static_cast<double>(i) <= samples; ++i) {
        const std::int16_t total = RollStep(step);
        result.tally.add(total);
        result.highest = std::max(result.highest, total);
        result.lowest = std::min(result.lowest, total);
        result.sum += total;
    }
    return result;
}

QString heading(std::int16_t step, const QString &typedCount)
{
    return QStringLiteral("Distribution for step") + BlankSignedText(step)
        + QStringLiteral("   (N=") + WithoutOuterBlanks(typedCount) + QStringLiteral(" samples).")
        + CrLf + QStringLiteral("Dice(s): ") + StepDescriptions[static_cast<std::size_t>(step)]
        + CrLf + CrLf;
}

QString summaryAndListing(const Distribution &d, double samples)
{
    const auto mean = static_cast<std::int64_t>(std::floor(d.sum / samples));
    QString text = QStringLiteral("Sum of rolls:")
        + BlankSignedText(static_cast<std::int64_t>(d.sum)) + CrLf + QStringLiteral("Range:")
        + BlankSignedText(d.lowest) + QStringLiteral(" to") + BlankSignedText(d.highest) + CrLf
        + QStringLiteral("Mean:") + BlankSignedText(mean) + CrLf + CrLf + CrLf
        + QStringLiteral("Distribution:") + CrLf + CrLf;
    for (int total = d.lowest; total <= d.highest; ++total) {
        const auto t = static_cast<std::int16_t>(total);
        text += BlankSignedText(t) + QStringLiteral(" :    ") + QString::number(d.tally.count(t))
            + CrLf;
    }
    return text;
}

} // namespace

void Die::cmdStep_KeyDown(int Index, int KeyCode, [[maybe_unused]] int Shift)
{
    if (KeyCode != KeyCodeF7)
        return;
    RunCommand([&] {
        const std::int16_t step = Add16(static_cast<std::int16_t>(Index), 1);
        const QString typedCount = txtProbeCount->text();
        QString report = heading(step, typedCount);
        const double samples = ReadSampleCount(typedCount);
        if (!(samples > 1))
            return;

        const BusyCursor busy;
        report += summaryAndListing(rollSamples(step, samples), samples);
        SetViewerTitle(QStringLiteral("Step result distribution"));
        SetViewerText(report);
        ShowViewer();
    });
}

} // namespace MainBas
