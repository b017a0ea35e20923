#pragma once

#include <QApplication>

namespace MainBas {

// Shows the busy cursor while a long command keeps the window from responding; the
// cursor comes back however the command ends.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }

    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace MainBas
