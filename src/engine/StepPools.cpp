#include "StepPools.h"

namespace MainBas {

std::string_view PoolNotation(int step)
{
    return StepTable::Notation.at(static_cast<std::size_t>(step - 1));
}

} // namespace MainBas
