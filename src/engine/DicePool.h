#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace MainBas {

// Why a die is in a pool: the step's own dice, or dice a character adds to them.
enum class DieRole : std::uint8_t { Step, Karma, Devotion };

struct PoolDie
{
    std::int16_t size = 0;
    // The first generator word that shows the highest face (HighestFaceEdge).
    std::uint64_t edge = 0;
    DieRole role = DieRole::Step;
};

// The dice of one roll, in the order they are rolled, and the adjustment added to their
// sum afterwards (-2 for the step that is a D4 less 2).
class DicePool
{
public:
    DicePool() = default;

    // Adds `count` dice of `size` faces; a die needs at least two faces.
    DicePool &add(std::int16_t size, int count = 1, DieRole role = DieRole::Step);
    DicePool &adjust(std::int16_t adjustment);

    const std::vector<PoolDie> &dice() const { return m_dice; }
    std::int16_t adjustment() const { return m_adjustment; }

    // Written as players read it, largest group first as added: "2D20+D8+D6", "D4-2".
    // Only the step's own dice; karma and devotion are named apart.
    std::string text() const;

private:
    std::vector<PoolDie> m_dice;
    std::int16_t m_adjustment = 0;
};

} // namespace MainBas
