#include "RandomSource.h"

#include <chrono>
#include <utility>

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

void Xoshiro256::jump()
{
    // The jump polynomial of xoshiro256, as its authors publish it.
    static constexpr std::uint64_t Jump[] = {0x180ec6d33cfd0abaULL, 0xd5a61266f0c9392cULL,
                                             0xa9582618e03fc9aaULL, 0x39abdc4529b1661cULL};
    std::uint64_t jumped[4] = {};
    for (const std::uint64_t word : Jump) {
        for (int bit = 0; bit < 64; ++bit) {
            if (word & (std::uint64_t {1} << bit)) {
                for (int i = 0; i < 4; ++i)
                    jumped[i] ^= state[i];
            }
            next();
        }
    }
    for (int i = 0; i < 4; ++i)
        state[i] = jumped[i];
}

RandomSource::RandomSource()
{
    seed(0);
}

RandomSource::RandomSource(std::shared_ptr<DrawScript> script)
    : m_script(std::move(script))
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

std::vector<RandomSource> RandomSource::split(std::size_t count)
{
    std::vector<RandomSource> streams(count);
    for (std::size_t k = 0; k < count; ++k) {
        if (m_script) {
            streams[k].m_script = m_script->stream(k);
        } else {
            m_generator.jump();
            streams[k].m_generator = m_generator;
        }
    }
    m_generator.jump();
    return streams;
}

} // namespace MainBas
