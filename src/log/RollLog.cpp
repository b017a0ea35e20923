#include "RollLog.h"

namespace MainBas::Log {

void RollLog::append(Roll roll, std::int64_t time)
{
    m_summary.add(roll);
    m_entries.push_back({time, std::move(roll)});
    emit appended();
}

void RollLog::clear()
{
    // Swapped out rather than cleared, so a long session's memory goes too.
    std::vector<Entry>().swap(m_entries);
    m_summary = {};
    emit cleared();
}

} // namespace MainBas::Log
