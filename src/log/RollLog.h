#pragma once

#include "LogEntry.h"
#include "LogSummary.h"

#include <QDateTime>
#include <QObject>

#include <vector>

namespace MainBas::Log {

// Every result of the session, oldest first, with its summary. A window follows it
// through the two signals.
class RollLog : public QObject
{
    Q_OBJECT

public:
    // Adds a result, shown at the given time: by default now.
    void append(Roll roll, std::int64_t time = QDateTime::currentSecsSinceEpoch());

    void clear();

    const std::vector<Entry> &entries() const { return m_entries; }
    const Summary &summary() const { return m_summary; }

signals:
    // One entry more, at the end.
    void appended();
    void cleared();

private:
    std::vector<Entry> m_entries;
    Summary m_summary;
};

} // namespace MainBas::Log
