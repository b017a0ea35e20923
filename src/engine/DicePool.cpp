#include "DicePool.h"

#include "Dice.h"

namespace MainBas {

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

} // namespace MainBas
