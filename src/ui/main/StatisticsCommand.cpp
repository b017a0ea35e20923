// Statistics rolls every step as many times as the sample count box says and lists
// mean, range, mean number of die rolls and fumbles per step.
#include "Die.h"

#include "ErrorReporter.h"
#include "LongWork.h"
#include "Outcome.h"
#include "ProgressShare.h"
#include "SampleCount.h"
#include "Session.h"
#include "StatisticsReport.h"
#include "WorkProgress.h"

#include <QLineEdit>
#include <QLocale>

#include <memory>

namespace MainBas {

namespace {

const QString Title = QStringLiteral("Step Statistics");

// One run of the report, shared by the rolling and the window that waits for it.
struct StatisticsWork
{
    double samples = 0;
    const StepTable *table = nullptr;
    std::vector<RandomSource> streams;
    WorkProgress progress;
    StatisticsRun run;
};

WorkView viewOf(const std::shared_ptr<StatisticsWork> &work)
{
    return {
        Title,
        [work] {
            const QLocale locale;
            return QStringLiteral("Step %1 of %2")
                .arg(locale.toString(std::min(work->progress.stepsDone() + 1, StepCount)),
                     locale.toString(StepCount));
        },
        [work] {
            return StatisticsShareDone(*work->table, work->progress.samplesDone(),
                                       work->progress.stepsDone(), work->samples);
        },
        [work] { work->progress.cancel(); },
    };
}

// The report so far goes to the viewer; a failed roll leaves it there unshown.
Outcome reported(const StatisticsWork &work)
{
    const bool complete = !work.run.error;
    return {.viewer = ViewerUpdate {Title, StatisticsText(work.samples, work.run.steps), complete},
            .logged = complete ? std::optional<Log::Roll>(Log::StatisticsReported {work.samples})
                               : std::nullopt};
}

} // namespace

void Die::cmdStatistic_Click()
{
    RunCommand([&] {
        const double samples = ReadSampleCount(txtProbeCount->text());
        // Two samples or fewer make no report, one more than the distribution report
        // needs, as users know it; the viewer is then shown as it stands.
        if (!(samples > 2)) {
            present({.viewer = ViewerUpdate {}});
            return;
        }
        auto work = std::make_shared<StatisticsWork>();
        work->samples = samples;
        work->table = &m_session.steps();
        work->streams = m_session.random.split(StepCount);
        runReport(
            samples * StatisticsSampleCost(*work->table), viewOf(work),
            [work](unsigned threads) {
                work->run = RollStatistics(work->samples, *work->table, std::move(work->streams),
                                           work->progress, threads);
            },
            [this, work] {
                // A cancelled report leaves everything as it was.
                if (work->run.cancelled)
                    return;
                present(reported(*work));
                if (work->run.error)
                    std::rethrow_exception(work->run.error);
            });
    });
}

} // namespace MainBas
