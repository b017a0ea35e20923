// Times the roll log as a long session fills it: 100,000 step rolls appended as the step
// button appends them, stamped with the clock. The memory figure is the growth of the
// process's resident size (/proc/self/statm) across the appends: what the entries and
// the spare room of the log's vector really occupy, not an estimate from their sizes.
#include "RollLog.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>

using namespace MainBas;

namespace {

constexpr int Entries = 100000;

double residentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

} // namespace

int main()
{
    Log::RollLog log;
    const double before = residentMegabytes();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Entries; ++i) {
        const auto total = static_cast<std::int16_t>(i % 40 + 1);
        log.append(Log::StepRolled {20, total, 3, total == 3});
    }
    const std::chrono::duration<double, std::milli> elapsed
        = std::chrono::steady_clock::now() - start;
    const double grown = residentMegabytes() - before;
    if (log.entries().size() != Entries || log.summary().stepRolls != Entries)
        return 1;
    std::printf("roll log: %d entries %.1f ms, %.1f MB\n", Entries, elapsed.count(), grown);
    return 0;
}
