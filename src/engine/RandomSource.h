#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace MainBas {

// xoshiro256**: fast, small state, passes the usual statistical batteries. A plain
// value, so a hot loop can keep its state in registers.
struct Xoshiro256
{
    std::uint64_t state[4];

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(state[1] * 5, 7) * 9;
        const std::uint64_t t = state[1] << 17;
        state[2] ^= state[0];
        state[3] ^= state[1];
        state[1] ^= state[2];
        state[0] ^= state[3];
        state[2] ^= t;
        state[3] = rotl(state[3], 45);
        return result;
    }

    // u = (x >> 11) * 2^-53: every multiple of 2^-53 in [0, 1), none equal to 1.
    double nextUnit() { return unitOf(next()); }
    static constexpr double unitOf(std::uint64_t x) { return unitOfTop53(x >> 11); }
    static constexpr double unitOfTop53(std::uint64_t k)
    {
        return static_cast<double>(k) * 0x1.0p-53;
    }

    // Moves the state 2^128 draws ahead at once, so that streams split off one after
    // another never meet.
    void jump();

    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
};

// Draws written down in advance rather than generated: values u in [0, 1) in a fixed
// order, and the streams split off it, each with draws of its own.
class DrawScript
{
public:
    virtual ~DrawScript() = default;
    virtual double next() = 0;
    virtual std::shared_ptr<DrawScript> stream(std::size_t index) = 0;
};

// A uniform random source yielding values u with 0 <= u < 1: the generator, or a script
// of draws in its place. Work on other threads rolls from streams split off it, each a
// source of its own.
class RandomSource
{
public:
    RandomSource();
    explicit RandomSource(std::shared_ptr<DrawScript> script);

    void seed(std::uint64_t value);
    void seedFromTimer();

    double next() { return m_script ? m_script->next() : m_generator.nextUnit(); }

    // Streams of their own for `count` pieces of work: stream k of a generator starts
    // k + 1 jumps of 2^128 draws ahead, and the source itself moves past all of them, so
    // no two streams, and no later draw of the source, ever share a draw.
    std::vector<RandomSource> split(std::size_t count);

    // Hands the rolling the draws in their own form: the generator's whole words, which
    // a hot loop can compare before turning them into u, or the script's values.
    template<typename Use> decltype(auto) withDraws(Use &&use)
    {
        if (m_script) [[unlikely]]
            return use(*m_script);
        return use(m_generator);
    }

private:
    Xoshiro256 m_generator;
    std::shared_ptr<DrawScript> m_script;
};

} // namespace MainBas
