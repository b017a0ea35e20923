#include "StepRoller.h"

namespace MainBas {

std::int16_t FumbleFlag = 0;

} // namespace MainBas
