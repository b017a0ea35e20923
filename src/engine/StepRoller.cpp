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

// Local copies of the generator and the counter stay in registers, drawing whole generator
// words; they are handed back however the roll ends, an overflow included. The program's
// shared source and the streams of other threads each get their own copy of these few
// lines: routed through one function, the shared source's rolls run a quarter slower.

std::int16_t RollPoolWith(const StepPool &pool, Xoshiro256 &generator, std::int16_t &count)
{
    struct HandBack
    {
        Xoshiro256 &generatorOut;
        std::int16_t &countOut;
        Xoshiro256 generator = generatorOut;
        std::int16_t count = countOut;
        ~HandBack()
        {
            generatorOut = generator;
            countOut = count;
        }
    } local {generator, count};
    return rollDice(pool, local.count, [&local] { return local.generator.next(); });
}

std::int16_t RollPool(const StepPool &pool)
{
    if (Random().isScripted()) [[unlikely]]
        return rollDice(pool, RollCount, [] { return Random().next(); });
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
