#pragma once

#include "LogEntry.h"

#include <QLocale>
#include <QString>

namespace MainBas::Log {

// The three columns of an entry as the window, the copy and the export show them. The
// figures follow the given locale: the user's in the window, the C locale in the CSV.

// "21:07:45", in local time.
QString TimeText(const Entry &entry);

// "2024-12-07T21:07:45+01:00": the date and the local time with its offset from UTC.
QString DateTimeText(const Entry &entry);

// "Step 20 (D20+D8+D6)", "+D6", "Decision", "Action: Tavern", "Statistics report".
QString WhatText(const Roll &roll, const QLocale &locale = QLocale());

// "23, 3 die rolls", "2, 2 die rolls, fumble", "4, sum 27", "1-12: 7", the drawn entry,
// "1000 samples".
QString ResultText(const Roll &roll, const QLocale &locale = QLocale());

} // namespace MainBas::Log
