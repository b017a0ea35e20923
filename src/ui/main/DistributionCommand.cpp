// F7 on a step button rolls that step many times and lists how the totals fall.
#include "Die.h"

#include "ButtonArrayKeys.h"
#include "Checked16.h"
#include "DistributionReport.h"
#include "ErrorReporter.h"
#include "LongWork.h"
#include "Outcome.h"
#include "ProgressShare.h"
#include "SampleCount.h"
#include "Session.h"
#include "WorkProgress.h"

#include <QLineEdit>
#include <QLocale>

#include <memory>

namespace MainBas {

namespace {

const QString Title = QStringLiteral("Step result distribution");

// One run of the report, shared by the rolling and the window that waits for it.
struct DistributionWork
{
    std::int16_t step = 0;
    QString dice;
    QString typedCount;
    double samples = 0;
    DicePool pool;
    std::vector<RandomSource> streams;
    WorkProgress progress;
    DistributionRun run;
};

// The count is shown as typed: a double read from it would show 10^30 as
// 1,000,000,000,000,000,019,884,624,838,656.
WorkView viewOf(const std::shared_ptr<DistributionWork> &work)
{
    return {
        Title,
        [work, count = work->typedCount.trimmed()] {
            const QLocale locale;
            return QStringLiteral("Rolling step %1: %2 of %3 samples")
                .arg(locale.toString(work->step), locale.toString(work->progress.samplesDone()),
                     count);
        },
        [work] { return static_cast<double>(work->progress.samplesDone()) / work->samples; },
        [work] { work->progress.cancel(); },
    };
}

Outcome reported(const DistributionWork &work)
{
    return {.viewer = ViewerUpdate {Title,
                                    DistributionReport(work.step, work.dice, work.typedCount,
                                                       work.run.distribution, work.samples)},
            .logged = Log::DistributionReported {work.step, work.samples}};
}

} // namespace

void Die::cmdStep_KeyDown(int Index, int KeyCode, [[maybe_unused]] int Shift)
{
    if (KeyCode != KeyCodeF7)
        return;
    RunCommand([&] {
        auto work = std::make_shared<DistributionWork>();
        work->step = Add16(static_cast<std::int16_t>(Index), 1);
        work->typedCount = txtProbeCount->text();
        work->samples = ReadSampleCount(work->typedCount);
        // Two samples make a report here, where Statistics wants three: the thresholds
        // have always differed and users know them, so they stay.
        if (!(work->samples > 1))
            return;
        work->dice = diceTextOf(work->step);
        work->pool = m_session.steps().pool(work->step);
        work->streams
            = m_session.random.split(static_cast<std::size_t>(DistributionStreams(work->samples)));
        runReport(
            work->samples * SampleCost(work->pool), viewOf(work),
            [work](unsigned threads) {
                work->run = RollDistribution(work->pool, work->samples, std::move(work->streams),
                                             work->progress, threads);
            },
            [this, work] {
                // A cancelled report leaves everything as it was; a failed one changes
                // nothing either.
                if (work->run.cancelled)
                    return;
                if (work->run.error)
                    std::rethrow_exception(work->run.error);
                present(reported(*work));
            });
    });
}

} // namespace MainBas
