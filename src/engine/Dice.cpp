#include "Dice.h"

namespace MainBas {

std::int16_t RollCount = 0;

std::int16_t RollDie(RandomSource &source, std::int16_t size, std::int16_t &count)
{
    if (size < 2) [[unlikely]]
        throw RuntimeError(InvalidArgument, {}, "A die needs at least two faces.");
    const std::uint64_t edge = EdgeOfDie(size);
    return source.withDraws(
        [&](auto &draws) { return RollExplodingDie(size, edge, count, draws, NoRecord {}); });
}

} // namespace MainBas
