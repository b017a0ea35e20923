// Statistics rolls every step as many times as the sample count box says and lists
// mean, range, mean number of die rolls and fumbles per step.
#include "Die.h"

#include "BusyCursor.h"
#include "ErrorReporter.h"
#include "LongWork.h"
#include "RandomSource.h"
#include "RollLog.h"
#include "SampleCount.h"
#include "StatisticsReport.h"
#include "StepPools.h"
#include "WorkProgress.h"
#include "WorkerThreads.h"
#include "frmText.h"

#include <QLineEdit>
#include <QLocale>

namespace MainBas {

namespace {

const QString Title = QStringLiteral("Step Statistics");

// Rolls the report; null when it was cancelled.
std::optional<StatisticsRun> rollStatistics(QWidget *owner, double samples)
{
    WorkProgress progress;
    const WorkView view {
        Title,
        [&progress] {
            const QLocale locale;
            return QStringLiteral("Step %1 of %2")
                .arg(locale.toString(std::min(progress.stepsDone() + 1, StepCount)),
                     locale.toString(StepCount));
        },
        [&progress, samples] {
            return StatisticsShareDone(progress.samplesDone(), progress.stepsDone(), samples);
        },
        [&progress] { progress.cancel(); },
    };
    StatisticsRun run;
    const auto where = Random().isScripted() ? WorkThread::Caller : WorkThread::Background;
    RunLongWork(owner, view, where,
                [&] { run = RollStatistics(samples, progress, WorkerThreads()); });
    if (run.cancelled)
        return std::nullopt;
    return run;
}

} // namespace

void Die::cmdStatistic_Click()
{
    RunCommand([&] {
        const double samples = ReadSampleCount(txtProbeCount->text());
        // Two samples or fewer make no report, one more than the distribution report
        // needs, as users know it; the viewer is then shown as it stands.
        const bool reported = samples > 2;
        if (reported) {
            const BusyCursor busy;
            const std::optional<StatisticsRun> run = rollStatistics(this, samples);
            // A cancelled report leaves everything as it was.
            if (!run)
                return;
            // A failed roll leaves the steps before it in the viewer, unshown.
            SetViewerTitle(Title);
            SetViewerText(StatisticsText(samples, run->steps));
            if (run->error)
                std::rethrow_exception(run->error);
        }
        ShowViewer();
        if (reported)
            Log::SessionLog().append(Log::StatisticsReported {samples});
    });
}

} // namespace MainBas
