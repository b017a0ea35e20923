#pragma once

#include "PoolRoll.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <vector>

namespace MainBas {

class WorkProgress;

// How often each total came up. Every 16-bit total has its own wide counter, so
// neither a rare high roll nor a huge sample count can break the listing.
class TotalTally
{
public:
    void add(std::int16_t total) { ++m_counts[cell(total)]; }
    void merge(const TotalTally &other);
    std::int64_t count(std::int16_t total) const { return m_counts[cell(total)]; }

private:
    static std::size_t cell(std::int16_t total)
    {
        return static_cast<std::size_t>(total - INT16_MIN);
    }

    std::vector<std::int64_t> m_counts = std::vector<std::int64_t>(std::size_t {1} << 16);
};

// The totals of many rolls of one step.
struct Distribution
{
    TotalTally tally;
    double sum = 0;
    // The range starts inverted, at the top and the bottom of the table the report was
    // first written for; a report of at least one sample always overwrites both.
    std::int16_t lowest = 600;
    std::int16_t highest = -1;

    void add(std::int16_t total);
    void merge(const Distribution &other);
};

// What one run of the report left: the distribution, or the failure, or the news that it
// was cancelled.
struct DistributionRun
{
    Distribution distribution;
    std::exception_ptr error;
    bool cancelled = false;
};

// The number of streams the samples are rolled from: one up to SplitAbove samples, else
// SplitStreams, whatever the number of cores, so that the same source gives the same
// report on any machine.
inline constexpr double SplitAbove = 100000;
inline constexpr int SplitStreams = 16;
int DistributionStreams(double samples);

// Rolls the pool as often as the sample count says (i = 1, 2, ... while i <= samples),
// on up to `threads` threads, from DistributionStreams(samples) streams split off a source
// beforehand, each with its fixed share of the samples.
DistributionRun RollDistribution(const DicePool &pool, double samples,
                                 std::vector<RandomSource> streams, WorkProgress &progress,
                                 unsigned threads);

// The same with the streams split off the source here, on the calling thread.
DistributionRun RollDistribution(const DicePool &pool, double samples, RandomSource &source,
                                 WorkProgress &progress, unsigned threads);

// The whole report: the heading with the count as typed and the step's dice as shown, the
// sum, range and mean, and one line per total from the lowest to the highest.
QString DistributionReport(std::int16_t step, const QString &dice, const QString &typedCount,
                           const Distribution &distribution, double samples);

} // namespace MainBas
