#include "LogSummary.h"

#include <QLocale>

namespace MainBas::Log {

void Summary::add(const Roll &roll)
{
    ++rolls;
    // A test on the Roll Sheet is a step roll too, with its extras.
    if (const auto *step = std::get_if<StepRolled>(&roll))
        addStepRoll(step->total, step->fumble);
    else if (const auto *test = std::get_if<TestRolled>(&roll))
        addStepRoll(test->total, test->automaticFailure);
}

void Summary::addStepRoll(std::int16_t total, bool fumble)
{
    ++stepRolls;
    stepTotals += total;
    if (fumble)
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
