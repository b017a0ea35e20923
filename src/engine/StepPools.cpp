#include "StepPools.h"

#include <algorithm>

namespace MainBas {

std::string_view PoolNotation(int step)
{
    return StepTable::Notation.at(static_cast<std::size_t>(step - 1));
}

std::string PoolText(int step)
{
    std::string text(PoolNotation(step));
    std::replace(text.begin(), text.end(), 'd', 'D');
    return text;
}

} // namespace MainBas
