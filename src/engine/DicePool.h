#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

// Dice notation: [count]d<size> parts joined by '+', optionally ending in -<amount>.
constexpr bool IsPoolNotation(std::string_view text)
{
    std::size_t pos = 0;
    const auto number = [&] {
        int value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            value = value * 10 + (text[pos++] - '0');
        return value;
    };
    while (pos < text.size()) {
        number();
        if (pos >= text.size() || text[pos++] != 'd' || number() < 2)
            return false;
        if (pos < text.size() && text[pos] == '-') {
            ++pos;
            return number() > 0 && pos == text.size();
        }
        if (pos < text.size() && text[pos++] != '+')
            return false;
    }
    return !text.empty();
}

// The pool written in dice notation: [count]d<size> parts joined by '+', optionally
// ending in -<amount>, e.g. "d20+2d6" or "d4-2". Anything else throws
// std::invalid_argument.
DicePool PoolOfNotation(std::string_view notation);

} // namespace MainBas
