#include "StepTable.h"

#include <stdexcept>

namespace MainBas {

namespace {

int readNumber(std::string_view text, std::size_t &pos)
{
    int value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        value = value * 10 + (text[pos++] - '0');
    return value;
}

// The notation has been checked by IsPoolNotation.
DicePool parsePool(std::string_view text)
{
    DicePool pool;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const int count = readNumber(text, pos);
        ++pos; // 'd'
        pool.add(static_cast<std::int16_t>(readNumber(text, pos)), count == 0 ? 1 : count);
        if (pos < text.size() && text[pos++] == '-')
            pool.adjust(static_cast<std::int16_t>(-readNumber(text, pos)));
    }
    return pool;
}

} // namespace

StepTable::StepTable(const std::array<std::string_view, StepCount> &notation)
{
    for (std::size_t i = 0; i < notation.size(); ++i) {
        if (!IsPoolNotation(notation[i]))
            throw std::invalid_argument("not dice notation: " + std::string(notation[i]));
        m_pools[i] = parsePool(notation[i]);
    }
}

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
