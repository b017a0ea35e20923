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

QString grouped(double count)
{
    return QLocale(QLocale::English).toString(count, 'f', 0);
}

// Rolls the distribution; null when it was cancelled.
std::optional<Distribution> rollDistribution(QWidget *owner, std::int16_t step, double samples)
{
    WorkProgress progress;
    const WorkView view {
        QStringLiteral("Step result distribution"),
        [&progress, step, samples] {
            return QStringLiteral("Rolling step %1: %2 of %3 samples")
                .arg(step)
                .arg(grouped(static_cast<double>(progress.samplesDone())), grouped(samples));
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
        const std::optional<Distribution> distribution = rollDistribution(this, step, samples);
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
