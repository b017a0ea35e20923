#include "DistributionReport.h"

#include "PoolRolling.h"
#include "TextForms.h"
#include "WorkProgress.h"
#include "WorkerThreads.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace MainBas {

namespace {

QString heading(std::int16_t step, const QString &typedCount, const QString &dice)
{
    return QStringLiteral("Distribution for step") + BlankSignedText(step)
        + QStringLiteral("   (N=") + WithoutOuterBlanks(typedCount) + QStringLiteral(" samples).")
        + CrLf + QStringLiteral("Dice(s): ") + dice + CrLf + CrLf;
}

QString summary(const Distribution &d, double samples)
{
    const auto mean = static_cast<std::int64_t>(std::floor(d.sum / samples));
    return QStringLiteral("Sum of rolls:") + BlankSignedText(static_cast<std::int64_t>(d.sum))
        + CrLf + QStringLiteral("Range:") + BlankSignedText(d.lowest) + QStringLiteral(" to")
        + BlankSignedText(d.highest) + CrLf + QStringLiteral("Mean:") + BlankSignedText(mean) + CrLf
        + CrLf + CrLf;
}

QString listing(const Distribution &d)
{
    QString text = QStringLiteral("Distribution:") + CrLf + CrLf;
    for (int total = d.lowest; total <= d.highest; ++total) {
        const auto t = static_cast<std::int16_t>(total);
        text += BlankSignedText(t) + QStringLiteral(" :    ") + QString::number(d.tally.count(t))
            + CrLf;
    }
    return text;
}

// How many samples each of the threads rolls: together exactly as many as the loop over
// i <= samples makes.
std::vector<double> shares(double samples, unsigned threads)
{
    const double whole = std::max(0.0, std::floor(samples));
    std::vector<double> shares(threads, std::floor(whole / threads));
    // Beyond 2^53 samples no count is exact any more, nor will such a report ever end.
    if (whole < 0x1.0p53) {
        for (auto left = static_cast<std::int64_t>(whole - shares[0] * threads); left > 0; --left)
            shares[static_cast<std::size_t>(left - 1)] += 1;
    }
    return shares;
}

} // namespace

void TotalTally::merge(const TotalTally &other)
{
    for (std::size_t i = 0; i < m_counts.size(); ++i)
        m_counts[i] += other.m_counts[i];
}

void Distribution::add(std::int16_t total)
{
    tally.add(total);
    highest = std::max(highest, total);
    lowest = std::min(lowest, total);
    sum += total;
}

void Distribution::merge(const Distribution &other)
{
    tally.merge(other.tally);
    sum += other.sum;
    lowest = std::min(lowest, other.lowest);
    highest = std::max(highest, other.highest);
}

int DistributionStreams(double samples)
{
    return samples > SplitAbove ? SplitStreams : 1;
}

DistributionRun RollDistribution(const DicePool &pool, double samples, RandomSource &source,
                                 WorkProgress &progress, unsigned threads)
{
    const auto pieces = static_cast<std::size_t>(DistributionStreams(samples));
    return RollDistribution(pool, samples, source.split(pieces), progress, threads);
}

DistributionRun RollDistribution(const DicePool &pool, double samples,
                                 std::vector<RandomSource> streams, WorkProgress &progress,
                                 unsigned threads)
{
    const int pieces = DistributionStreams(samples);
    if (streams.size() != static_cast<std::size_t>(pieces))
        throw std::invalid_argument("a distribution rolls from DistributionStreams() streams");
    const std::vector<double> counts = shares(samples, static_cast<unsigned>(pieces));
    std::vector<Distribution> parts(static_cast<std::size_t>(pieces));
    const PiecesRun pieceRun = RunPieces(pieces, threads, [&](int piece) {
        const auto at = static_cast<std::size_t>(piece);
        // Copies of its own: threads writing next to each other would share cache lines.
        RandomSource stream = streams[at];
        Distribution part;
        // Only the totals count here, not the verdicts.
        RollPoolRepeatedly(pool, stream, FailureRule::ProgramFumble, [&](const auto &rollOnce) {
            ForEachSample(counts[at], &progress, [&] { part.add(rollOnce().total); });
        });
        parts[at] = std::move(part);
    });
    DistributionRun run;
    run.cancelled = progress.isCancelled();
    run.error = pieceRun.error;
    for (const Distribution &part : parts)
        run.distribution.merge(part);
    return run;
}

QString DistributionReport(std::int16_t step, const QString &dice, const QString &typedCount,
                           const Distribution &distribution, double samples)
{
    return heading(step, typedCount, dice) + summary(distribution, samples) + listing(distribution);
}

} // namespace MainBas
