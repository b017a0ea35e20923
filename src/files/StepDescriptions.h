#pragma once

#include "StepTable.h"

#include <QString>

#include <array>

namespace MainBas {

// The text shown for each step, indexed by step number 1 to 100 (index 0 unused).
// Only what the user sees: the dice rolled come from the step pool table.
extern std::array<QString, StepCount + 1> StepDescriptions;

// Reads steps.txt from the program folder: 100 records of a number line and a
// description line. Any failure raises a run-time error naming the file and leaves
// the table as it was, so no window ever sees a partly loaded table.
void LoadStepDescriptions();

} // namespace MainBas
