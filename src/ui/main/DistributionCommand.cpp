// F7 on a step button rolls that step many times and lists how the totals fall.
#include "Die.h"

#include "BusyCursor.h"
#include "ButtonArrayKeys.h"
#include "Checked16.h"
#include "DistributionReport.h"
#include "ErrorReporter.h"
#include "LongWork.h"
#include "RandomSource.h"
#include "RollLog.h"
#include "SampleCount.h"
#include "WorkProgress.h"
#include "WorkerThreads.h"
#include "frmText.h"

#include <QLineEdit>
#include <QLocale>

namespace MainBas {

namespace {

// Rolls the distribution; null when it was cancelled. The count is shown as typed: a
// double read from it would show 10^30 as 1,000,000,000,000,000,019,884,624,838,656.
std::optional<Distribution> rollDistribution(QWidget *owner, std::int16_t step, double samples,
                                             const QString &typedCount)
{
    WorkProgress progress;
    const WorkView view {
        QStringLiteral("Step result distribution"),
        [&progress, step, count = typedCount.trimmed()] {
            const QLocale locale;
            return QStringLiteral("Rolling step %1: %2 of %3 samples")
                .arg(locale.toString(step), locale.toString(progress.samplesDone()), count);
        },
        [&progress, samples] { return static_cast<double>(progress.samplesDone()) / samples; },
        [&progress] { progress.cancel(); },
    };
    DistributionRun run;
    const auto where = Random().isScripted() ? WorkThread::Caller : WorkThread::Background;
    RunLongWork(owner, view, where,
                [&] { run = RollDistribution(step, samples, progress, WorkerThreads()); });
    if (run.cancelled)
        return std::nullopt;
    if (run.error)
        std::rethrow_exception(run.error);
    return std::move(run.distribution);
}

} // namespace

void Die::cmdStep_KeyDown(int Index, int KeyCode, [[maybe_unused]] int Shift)
{
    if (KeyCode != KeyCodeF7)
        return;
    RunCommand([&] {
        const std::int16_t step = Add16(static_cast<std::int16_t>(Index), 1);
        const QString typedCount = txtProbeCount->text();
        const double samples = ReadSampleCount(typedCount);
        // Two samples make a report here, where Statistics wants three: the thresholds
        // have always differed and users know them, so they stay.
        if (!(samples > 1))
            return;

        const BusyCursor busy;
        const std::optional<Distribution> distribution
            = rollDistribution(this, step, samples, typedCount);
        // A cancelled report leaves everything as it was.
        if (!distribution)
            return;
        const QString report = DistributionReport(step, typedCount, *distribution, samples);
        SetViewerTitle(QStringLiteral("Step result distribution"));
        SetViewerText(report);
        ShowViewer();
        Log::SessionLog().append(Log::DistributionReported {step, samples});
    });
}

} // namespace MainBas
