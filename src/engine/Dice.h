#pragma once

#include "Checked16.h"
#include "RandomSource.h"

#include <array>
#include <cstdint>

namespace MainBas {

// Single die rolls made since the last step roll began, re-rolls included.
extern std::int16_t RollCount;

// The face an n-sided die shows for a draw u in [0, 1): floor(u * n) + 1, from 1 to
// n, each equally likely. The product stays a double: truncating it is its floor.
constexpr std::int16_t FaceFor(double u, std::int16_t size)
{
    const auto face = static_cast<std::int32_t>(u * size) + 1;
    // A source that returned 1 or more must still never yield face n + 1.
    return static_cast<std::int16_t>(face > size ? size : face);
}

// A face drawn without a die: no explosion, nothing counted (decisions, action draws).
inline std::int16_t DrawFace(RandomSource &source, std::int16_t size)
{
    return FaceFor(source.next(), size);
}

// The face never falls as u grows, so the draws that show an n-sided die's highest face
// are exactly those from some edge on. Comparing a draw with that edge decides an
// explosion without waiting for the face to be formed, which keeps the rolls of a pool
// from stalling on the one branch that cannot be predicted.
//
// The edge is kept as the smallest generator word x whose u = (x >> 11) * 2^-53 shows
// the highest face, found next to (n - 1) / n. Every double from 1/2 up is a multiple
// of 2^-53 and no smaller u shows the highest face, so the u of that word is also the
// edge for any double u, not only for the generator's.
constexpr std::uint64_t HighestFaceEdge(std::int16_t size)
{
    const auto showsHighest = [size](std::uint64_t top53) {
        return FaceFor(Xoshiro256::unitOfTop53(top53), size) == size;
    };
    auto top53 = static_cast<std::uint64_t>(static_cast<double>(size - 1) / size * 0x1.0p53);
    while (!showsHighest(top53))
        ++top53;
    while (showsHighest(top53 - 1))
        --top53;
    return top53 << 11;
}

// The edges of the dice the program rolls, worked out once.
inline constexpr std::int16_t LargestCommonDie = 20;
inline constexpr auto CommonDiceEdges = [] {
    std::array<std::uint64_t, LargestCommonDie + 1> edges {};
    for (std::int16_t size = 2; size <= LargestCommonDie; ++size)
        edges[static_cast<std::size_t>(size)] = HighestFaceEdge(size);
    return edges;
}();

inline std::uint64_t EdgeOfDie(std::int16_t size)
{
    return size <= LargestCommonDie ? CommonDiceEdges[static_cast<std::size_t>(size)]
                                    : HighestFaceEdge(size);
}

// A draw is a generator word, compared before it becomes u, or u from a script.
inline bool ShowsHighestFace(std::uint64_t word, std::uint64_t edge)
{
    return word >= edge;
}

inline bool ShowsHighestFace(double u, std::uint64_t edge)
{
    return u >= Xoshiro256::unitOf(edge);
}

inline double UnitOf(std::uint64_t word)
{
    return Xoshiro256::unitOf(word);
}

inline double UnitOf(double u)
{
    return u;
}

// Keeps no single rolls: what the reports' rolling passes as the record.
struct NoRecord
{
    void operator()(std::int16_t /*face*/) const { }
};

// One exploding die: a die showing its highest face is rolled again and the rolls are
// added. Each single roll is counted in count before it is drawn and handed to record
// once drawn. Written once for any kind of draws, so the generator's words and a
// script's values cannot drift apart.
template<typename Draws, typename Record>
inline std::int16_t RollExplodingDie(std::int16_t size, std::uint64_t edge, std::int16_t &count,
                                     Draws &draws, Record &&record)
{
    std::int16_t total = 0;
    for (;;) {
        count = Add16(count, 1);
        const auto drawn = draws.next();
        if (!ShowsHighestFace(drawn, edge)) {
            const std::int16_t face = FaceFor(UnitOf(drawn), size);
            record(face);
            return Add16(total, face);
        }
        record(size);
        total = Add16(total, size);
    }
}

// Rolls one exploding die from the source, its single rolls counted in count: a free
// die counts on top of the last step roll's RollCount.
std::int16_t RollDie(RandomSource &source, std::int16_t size, std::int16_t &count = RollCount);

} // namespace MainBas
