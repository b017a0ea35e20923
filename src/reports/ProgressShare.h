#pragma once

#include "StepTable.h"

#include <cstdint>
#include <deque>
#include <optional>

namespace MainBas {

// The time a piece of work has left, from how far it had come at moments along the way.
// The rate is that of the last few seconds, not of the whole run so far: a run that slows
// down (bigger pieces, a busier machine) is soon told right.
class TimeLeftEstimate
{
public:
    static constexpr double RateWindowSeconds = 5;

    // The work had done fraction (0 to 1) of itself after seconds; moments come in order.
    void record(double seconds, double fraction)
    {
        m_moments.push_back({seconds, fraction});
        // One moment at or before the window's start stays, as the rate's base.
        while (m_moments.size() > 2 && m_moments[1].seconds <= seconds - RateWindowSeconds)
            m_moments.pop_front();
    }

    // None while the work has not moved lately.
    std::optional<double> secondsLeft() const
    {
        const Moment &base = m_moments.front();
        const Moment &now = m_moments.back();
        if (!(now.seconds > base.seconds && now.fraction > base.fraction))
            return std::nullopt;
        const double rate = (now.fraction - base.fraction) / (now.seconds - base.seconds);
        return (1 - now.fraction) / rate;
    }

private:
    struct Moment
    {
        double seconds;
        double fraction;
    };
    std::deque<Moment> m_moments {{0, 0}}; // the work starts with nothing done
};

// What one sample of a pool costs, in die rolls: each die of n faces is rolled n / (n - 1)
// times on average, as it explodes once in n rolls; the rest of the sample's work costs
// about as much as three more rolls, as measured on the statistics report.
double SampleCost(const DicePool &pool);

// What one sample of every step of the table costs, in die rolls.
double StatisticsSampleCost(const StepTable &table);

// How much of the statistics report's work is done, from 0 to 1, after samplesDone
// samples in all, stepsDone steps of them finished. A sample of step 100 rolls fourteen
// dice and costs four times one of step 1, so each step weighs what it costs: the share
// then grows evenly with the time taken. Samples beyond the finished steps count at the
// cost of the next step, as the steps run in order.
double StatisticsShareDone(const StepTable &table, std::int64_t samplesDone, int stepsDone,
                           double samples);

} // namespace MainBas
