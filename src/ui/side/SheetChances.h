#pragma once

#include "Edition.h"
#include "StepTest.h"

#include <QString>

namespace MainBas {

// The exact chance that the test succeeds, by the edition's rules, in the user's locale
// ("63.0%"); empty without a target number.
QString ChanceOfSuccessText(const Sheet::StepTest &test, Edition edition);

} // namespace MainBas
