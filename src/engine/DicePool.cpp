#include "DicePool.h"

#include "Dice.h"

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

} // namespace

DicePool &DicePool::add(std::int16_t size, int count, DieRole role)
{
    if (size < 2)
        throw RuntimeError(InvalidArgument, {}, "A die needs at least two faces.");
    for (int i = 0; i < count; ++i)
        m_dice.push_back({size, EdgeOfDie(size), role});
    return *this;
}

DicePool &DicePool::adjust(std::int16_t adjustment)
{
    m_adjustment = adjustment;
    return *this;
}

std::string DicePool::text() const
{
    std::string text;
    for (std::size_t i = 0; i < m_dice.size();) {
        if (m_dice[i].role != DieRole::Step) {
            ++i;
            continue;
        }
        std::size_t same = 1;
        while (i + same < m_dice.size() && m_dice[i + same].size == m_dice[i].size
               && m_dice[i + same].role == DieRole::Step)
            ++same;
        if (!text.empty())
            text += '+';
        if (same > 1)
            text += std::to_string(same);
        text += 'D' + std::to_string(m_dice[i].size);
        i += same;
    }
    if (m_adjustment > 0)
        text += '+';
    if (m_adjustment != 0)
        text += std::to_string(m_adjustment);
    return text;
}

DicePool PoolOfNotation(std::string_view notation)
{
    if (!IsPoolNotation(notation))
        throw std::invalid_argument("not dice notation: " + std::string(notation));
    DicePool pool;
    std::size_t pos = 0;
    while (pos < notation.size()) {
        const int count = readNumber(notation, pos);
        ++pos; // 'd'
        pool.add(static_cast<std::int16_t>(readNumber(notation, pos)), count == 0 ? 1 : count);
        if (pos < notation.size() && notation[pos++] == '-')
            pool.adjust(static_cast<std::int16_t>(-readNumber(notation, pos)));
    }
    return pool;
}

} // namespace MainBas
