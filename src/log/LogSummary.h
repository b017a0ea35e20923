#pragma once

#include "LogEntry.h"

#include <QString>

#include <optional>

namespace MainBas::Log {

// The session in four figures, kept up to date entry by entry so that a long log never
// has to be read again. Every entry counts as a roll; fumbles are those of step rolls.
struct Summary
{
    qsizetype rolls = 0;
    qsizetype stepRolls = 0;
    qsizetype fumbles = 0;
    std::int64_t stepTotals = 0;

    void add(const Roll &roll);
    void addStepRoll(std::int16_t total, bool fumble);

    // The mean total of the step rolls; none before the first.
    std::optional<double> meanStepTotal() const;
};

// "Rolls: 7   Step rolls: 3   Fumbles: 1   Mean step total: 14.3", the figures in the
// user's locale.
QString SummaryText(const Summary &summary);

} // namespace MainBas::Log
