#pragma once

#include "StepPools.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <deque>
#include <optional>

namespace MainBas {

// How far a long report has come, shared between the threads that roll it and the window
// that shows it: counters the rolling raises now and then, and a cancel request it heeds.
class WorkProgress
{
public:
    void addSamples(std::int64_t count) { m_samples.fetch_add(count, std::memory_order_relaxed); }
    void finishStep() { m_steps.fetch_add(1, std::memory_order_relaxed); }
    std::int64_t samplesDone() const { return m_samples.load(std::memory_order_relaxed); }
    int stepsDone() const { return m_steps.load(std::memory_order_relaxed); }

    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

private:
    std::atomic<std::int64_t> m_samples {0};
    std::atomic<int> m_steps {0};
    std::atomic<bool> m_cancelled {false};
};

// Thrown inside the rolling when a cancel was asked for; the report functions catch it.
struct WorkCancelled
{
};

// Calls sample() for i = 1, 2, ... while i <= samples, as the reports always have, so 2.5
// samples roll twice. Every so many samples it tells progress how far it came and stops
// with WorkCancelled once a cancel was asked for.
template<typename Sample>
void ForEachSample(double samples, WorkProgress *progress, Sample &&sample)
{
    constexpr std::int64_t Batch = 4096;
    std::int64_t i = 1;
    for (; static_cast<double>(i) <= samples; ++i) {
        sample();
        if (progress && i % Batch == 0) {
            progress->addSamples(Batch);
            if (progress->isCancelled())
                throw WorkCancelled {};
        }
    }
    if (progress)
        progress->addSamples((i - 1) % Batch);
}

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

namespace StatisticsCosts {

// What one sample of a step costs, in die rolls: each die of n faces is rolled n / (n - 1)
// times on average, as it explodes once in n rolls; the rest of the sample's work costs
// about as much as three more rolls, as measured on the statistics report.
constexpr double sampleCost(int step)
{
    const StepPool &pool = StepTable::Pools[static_cast<std::size_t>(step - 1)];
    double rolls = 3;
    for (int i = 0; i < pool.diceCount; ++i) {
        const double faces = pool.dice[static_cast<std::size_t>(i)];
        rolls += faces / (faces - 1);
    }
    return rolls;
}

// The cost of a sample of each step before the given one, added up.
inline constexpr std::array<double, StepCount + 1> Before = [] {
    std::array<double, StepCount + 1> before {};
    for (int step = 1; step <= StepCount; ++step)
        before[static_cast<std::size_t>(step)]
            = before[static_cast<std::size_t>(step - 1)] + sampleCost(step);
    return before;
}();

} // namespace StatisticsCosts

// How much of the statistics report's work is done, from 0 to 1, after samplesDone
// samples in all, stepsDone steps of them finished. A sample of step 100 rolls fourteen
// dice and costs four times one of step 1, so each step weighs what it costs: the share
// then grows evenly with the time taken. Samples beyond the finished steps count at the
// cost of the next step, as the steps run in order.
inline double StatisticsShareDone(std::int64_t samplesDone, int stepsDone, double samples)
{
    const double perStep = std::floor(samples); // the samples each step rolls
    if (!(perStep >= 1))
        return 0;
    const int finished = std::clamp(stepsDone, 0, StepCount);
    double cost = StatisticsCosts::Before[static_cast<std::size_t>(finished)];
    if (finished < StepCount) {
        const double beyond = static_cast<double>(samplesDone) - finished * perStep;
        cost += beyond / perStep * StatisticsCosts::sampleCost(finished + 1);
    }
    return cost / StatisticsCosts::Before[StepCount];
}

} // namespace MainBas
