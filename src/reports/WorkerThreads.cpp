#include "WorkerThreads.h"

#include "WorkProgress.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace MainBas {

unsigned WorkerThreads()
{
    return std::max(1U, std::thread::hardware_concurrency());
}

void RunOnThreads(unsigned threads, const std::function<void(unsigned worker)> &work)
{
    std::vector<std::jthread> workers;
    for (unsigned worker = 1; worker < threads; ++worker)
        workers.emplace_back(work, worker);
    work(0); // the calling thread is the first worker
}

void FirstFailure::record(int piece, std::exception_ptr error)
{
    const std::lock_guard lock(m_mutex);
    if (piece < m_first) {
        m_first = piece;
        m_error = std::move(error);
    }
}

int FirstFailure::first() const
{
    const std::lock_guard lock(m_mutex);
    return m_first;
}

std::exception_ptr FirstFailure::error() const
{
    const std::lock_guard lock(m_mutex);
    return m_error;
}

PiecesRun RunPieces(int pieces, unsigned threads, const std::function<void(int piece)> &piece)
{
    std::atomic<int> next {0};
    FirstFailure failure(pieces);
    const unsigned workers = std::clamp(threads, 1U, static_cast<unsigned>(std::max(1, pieces)));
    RunOnThreads(workers, [&](unsigned /*worker*/) {
        for (int at = next++; at < pieces && at < failure.first(); at = next++) {
            try {
                piece(at);
            } catch (const WorkCancelled &) {
                return;
            } catch (...) {
                failure.record(at, std::current_exception());
            }
        }
    });
    return {failure.first(), failure.error()};
}

} // namespace MainBas
