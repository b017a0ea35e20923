#pragma once

#include <cstdint>
#include <functional>
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

// The program's one uniform random source, yielding values u with 0 <= u < 1.
// Tests may put a scripted sequence in its place.
class RandomSource
{
public:
    RandomSource();

    void seed(std::uint64_t value);
    void seedFromTimer();

    double next()
    {
        if (m_override) [[unlikely]]
            return m_override();
        return m_generator.nextUnit();
    }

    // Replaces the generator by a scripted sequence (tests); an empty function restores it.
    void setOverride(std::function<double()> source) { m_override = std::move(source); }
    bool isScripted() const { return static_cast<bool>(m_override); }

    // For hot loops that draw from a local copy and hand the state back afterwards.
    Xoshiro256 generator() const { return m_generator; }
    void setGenerator(const Xoshiro256 &generator) { m_generator = generator; }

    // Splits off streams of their own for work on other threads: stream k starts k + 1
    // jumps of 2^128 draws ahead, and the source itself moves past all of them, so no two
    // streams, and no later draw of the source, ever share a draw.
    std::vector<Xoshiro256> splitStreams(std::size_t count);

private:
    Xoshiro256 m_generator;
    std::function<double()> m_override;
};

// The program-wide source shared by the dice, the decisions and the action draws.
extern RandomSource TheRandomSource;

inline RandomSource &Random()
{
    return TheRandomSource;
}

} // namespace MainBas
