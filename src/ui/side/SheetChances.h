#pragma once

#include "Edition.h"
#include "StepTest.h"

#include <QString>

namespace MainBas {

// The chance that the test succeeds, in the user's locale ("63.0%"); empty without a
// target number, and "…" where the odds are not worked out.
QString ChanceOfSuccessText(const Sheet::StepTest &test, Edition edition);

} // namespace MainBas
