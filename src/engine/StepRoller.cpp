#include "StepRoller.h"

namespace MainBas {

std::int16_t FumbleFlag = 0;

namespace {

template<typename Draw>
std::int16_t rollDice(const StepPool &pool, std::int16_t &count, Draw &&draw)
{
    std::int16_t total = 0;
    for (int i = 0; i < pool.diceCount; ++i)
        total = Add16(total, RollExplodingDie(pool.dice[i], pool.edges[i], count, draw));
    if (pool.subtraction != 0)
        total = Sub16(total, pool.subtraction);
    return total;
}

} // namespace

std::int16_t RollPool(const StepPool &pool)
{
    if (Random().isScripted()) [[unlikely]]
        return rollDice(pool, RollCount, [] { return Random().next(); });

    // Local copies of the generator and the counter stay in registers, drawing whole
    // generator words; they are handed back however the roll ends, an overflow included.
    struct HandBack
    {
        Xoshiro256 generator = Random().generator();
        std::int16_t count = RollCount;
        ~HandBack()
        {
            Random().setGenerator(generator);
            RollCount = count;
        }
    } local;
    return rollDice(pool, local.count, [&local] { return local.generator.next(); });
}

} // namespace MainBas
