#pragma once

#include "LogEntry.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <vector>

namespace MainBas::Log {

// The log as a spreadsheet reads it: UTF-8 after a byte-order mark, a header row, then
// one record per entry, every record ended by CR LF. The time is the date and the local
// time with its offset, the figures are plain ("1000", "2.5"). A field holding a comma,
// a quote, CR or LF is quoted, its quotes doubled.
QByteArray CsvText(const std::vector<Entry> &entries);

// Writes CsvText to the file atomically, record by record rather than all at once; a
// failure raises WriteError naming the file and the reason, and leaves any old file whole.
void SaveCsv(const QString &path, const std::vector<Entry> &entries);

// The given rows, one line each with tabs between the columns, for pasting into a
// spreadsheet; tabs and line breaks inside a field become blanks so rows stay rows.
// Figures follow the given locale.
QString TabSeparatedText(const std::vector<Entry> &entries, const std::vector<int> &rows,
                         const QLocale &locale = QLocale());

// The length of that text, found without building it.
qsizetype TabSeparatedLength(const std::vector<Entry> &entries, const std::vector<int> &rows,
                             const QLocale &locale = QLocale());

} // namespace MainBas::Log
