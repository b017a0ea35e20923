#include "WorkerThreads.h"

#include <algorithm>
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

} // namespace MainBas
