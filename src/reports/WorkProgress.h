#pragma once

#include <atomic>
#include <cstdint>
#include <exception>

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
// A standard exception, so that even a slip that let it out would be reported, not fatal.
struct WorkCancelled : std::exception
{
    const char *what() const noexcept override { return "The work was cancelled."; }
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

} // namespace MainBas
