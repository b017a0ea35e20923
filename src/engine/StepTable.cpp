#include "StepTable.h"

#include <stdexcept>
#include <utility>

namespace MainBas {

StepTable::StepTable(const std::array<std::string_view, StepCount> &notation, FailureRule rule)
    : m_rule(rule)
{
    for (std::size_t i = 0; i < notation.size(); ++i)
        m_pools[i] = PoolOfNotation(notation[i]);
}

StepTable::StepTable(std::array<DicePool, StepCount> pools, FailureRule rule)
    : m_pools(std::move(pools))
    , m_rule(rule)
{ }

const DicePool &StepTable::pool(int step) const
{
    if (step < 1 || step > StepCount)
        throw std::out_of_range("a step lies between 1 and 100");
    return m_pools[static_cast<std::size_t>(step - 1)];
}

const StepTable &FirstEditionTable()
{
    static const StepTable table(FirstEditionNotation);
    return table;
}

} // namespace MainBas
