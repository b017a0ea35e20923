#pragma once

#include "RandomSource.h"
#include "RollLog.h"
#include "StepTable.h"

namespace MainBas {

// What the program holds for as long as it runs: the random source every roll, decision
// and draw takes from, the roll log of every result shown, and the step table in use.
// Made in main before the first window and handed to the windows that need it.
struct Session
{
    RandomSource random;
    Log::RollLog log;
    const StepTable *steps = &FirstEditionTable();
};

} // namespace MainBas
