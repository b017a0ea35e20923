#pragma once

#include "LogEntry.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace MainBas::Log {

// The log as a spreadsheet reads it: UTF-8, a header row, then one record per entry,
// every record ended by CR LF. A field holding a comma, a quote, CR or LF is quoted,
// its quotes doubled.
QByteArray CsvText(const std::vector<Entry> &entries);

// Writes CsvText to the file atomically; a failure raises "Path/File access error"
// naming the file and the reason, and leaves any old file whole.
void SaveCsv(const QString &path, const std::vector<Entry> &entries);

// The given rows, one line each with tabs between the columns, for pasting into a
// spreadsheet; tabs and line breaks inside a field become blanks so rows stay rows.
QString TabSeparatedText(const std::vector<Entry> &entries, const std::vector<int> &rows);

} // namespace MainBas::Log
