#pragma once

#include <QString>

namespace MainBas {

// Why a file operation failed, in plain words, from the system's error number (errno):
// "no space is left on the device" for ENOSPC. A clause without a capital or a full
// stop, to follow "Could not save roll-log.csv: ".
QString FailureReason(int systemError);

} // namespace MainBas
