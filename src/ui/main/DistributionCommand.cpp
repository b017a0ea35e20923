// F7 on a step button rolls that step many times and lists how the totals fall.
#include "Die.h"

#include "BusyCursor.h"
#include "ButtonArrayKeys.h"
#include "Checked16.h"
#include "DistributionReport.h"
#include "ErrorReporter.h"
#include "RollLog.h"
#include "SampleCount.h"
#include "frmText.h"

#include <QLineEdit>

namespace MainBas {

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
        const QString report
            = DistributionReport(step, typedCount, RollDistribution(step, samples), samples);
        SetViewerTitle(QStringLiteral("Step result distribution"));
        SetViewerText(report);
        ShowViewer();
        Log::SessionLog().append(Log::DistributionRun {step, samples});
    });
}

} // namespace MainBas
