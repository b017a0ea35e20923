#pragma once

#include <exception>
#include <functional>
#include <mutex>

namespace MainBas {

// One worker thread per core.
unsigned WorkerThreads();

// Runs work(worker) for worker = 0 .. threads - 1, each on a thread of its own (the first on
// the calling thread), and returns once all are done. Each call must catch what it throws.
void RunOnThreads(unsigned threads, const std::function<void(unsigned worker)> &work);

// The failure of the earliest piece of work, by the pieces' order, among several threads.
class FirstFailure
{
public:
    explicit FirstFailure(int none)
        : m_first(none)
    { }

    // Keeps the failure if it comes before every one kept so far.
    void record(int piece, std::exception_ptr error);

    // Pieces from here on need not run: their result would never be shown.
    int first() const;
    std::exception_ptr error() const;

private:
    mutable std::mutex m_mutex;
    int m_first;
    std::exception_ptr m_error;
};

// What running pieces of work came to: the first failure by the pieces' order, if any.
struct PiecesRun
{
    int firstFailed = 0; // the number of pieces when none failed
    std::exception_ptr error;
};

// Runs piece(0) .. piece(pieces - 1) on up to `threads` threads, in order as threads come
// free, so every piece before a failed one runs whole and none after it starts once the
// failure is known. A piece stopped by a cancel (WorkCancelled) ends its thread's work.
// With one thread, or one piece, everything runs on the calling thread.
PiecesRun RunPieces(int pieces, unsigned threads, const std::function<void(int piece)> &piece);

} // namespace MainBas
