#include "Dice.h"

namespace MainBas {

std::int16_t RollCount = 0;

} // namespace MainBas
