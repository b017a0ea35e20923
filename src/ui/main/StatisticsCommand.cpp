// Statistics rolls every step as many times as the sample count box says and lists
// mean, range, mean number of die rolls and fumbles per step.
#include "Die.h"

#include "BusyCursor.h"
#include "ErrorReporter.h"
#include "RollLog.h"
#include "SampleCount.h"
#include "StatisticsReport.h"
#include "frmText.h"

#include <QLineEdit>

namespace MainBas {

void Die::cmdStatistic_Click()
{
    RunCommand([&] {
        const double samples = ReadSampleCount(txtProbeCount->text());
        // Two samples or fewer make no report, one more than the distribution report
        // needs, as users know it; the viewer is then shown as it stands.
        const bool reported = samples > 2;
        if (reported) {
            const BusyCursor busy;
            SetViewerTitle(QStringLiteral("Step Statistics"));
            // The viewer shows the report growing step by step; if a roll fails, it
            // keeps the steps finished so far.
            StatisticsReport(samples, SetViewerText);
        }
        ShowViewer();
        if (reported)
            Log::SessionLog().append(Log::StatisticsRun {samples});
    });
}

} // namespace MainBas
