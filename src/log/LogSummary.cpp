#include "LogSummary.h"

#include <QLocale>

namespace MainBas::Log {

void Summary::add(const Roll &roll)
{
    ++rolls;
    const auto *step = std::get_if<StepRolled>(&roll);
    if (!step)
        return;
    ++stepRolls;
    stepTotals += step->total;
    if (step->fumble)
        ++fumbles;
}

std::optional<double> Summary::meanStepTotal() const
{
    if (stepRolls == 0)
        return std::nullopt;
    return static_cast<double>(stepTotals) / static_cast<double>(stepRolls);
}

QString SummaryText(const Summary &summary)
{
    const QLocale locale;
    const std::optional<double> mean = summary.meanStepTotal();
    return QStringLiteral("Rolls: %1   Step rolls: %2   Fumbles: %3   Mean step total: %4")
        .arg(locale.toString(summary.rolls), locale.toString(summary.stepRolls),
             locale.toString(summary.fumbles),
             mean ? locale.toString(*mean, 'f', 1) : QStringLiteral("-"));
}

} // namespace MainBas::Log
