#include "RandomSource.h"

#include <chrono>

namespace MainBas {

namespace {

std::uint64_t splitMix64(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

RandomSource::RandomSource()
{
    seed(0);
}

void RandomSource::seed(std::uint64_t value)
{
    // splitmix64 spreads any seed, 0 included, over a state that is never all zero.
    for (std::uint64_t &word : m_generator.state)
        word = splitMix64(value);
}

void RandomSource::seedFromTimer()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint64_t>(ticks));
}

RandomSource TheRandomSource;

} // namespace MainBas
