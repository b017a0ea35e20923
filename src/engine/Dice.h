#pragma once

#include "Checked16.h"
#include "RandomSource.h"

#include <cstdint>

namespace MainBas {

// Single die rolls made since the last step roll began, re-rolls included.
extern std::int16_t RollCount;

// The face an n-sided die shows for a draw u in [0, 1): floor(u * n) + 1, from 1 to
// n, each equally likely. The product stays a double: truncating it is its floor.
inline std::int16_t FaceFor(double u, std::int16_t size)
{
    const auto face = static_cast<std::int32_t>(u * size) + 1;
    // A source that returned 1 or more must still never yield face n + 1.
    return static_cast<std::int16_t>(face > size ? size : face);
}

inline std::int16_t DrawFace(std::int16_t size)
{
    return FaceFor(Random().next(), size);
}

// One exploding die: a die showing its highest face is rolled again and the rolls
// are added. Each single roll is counted in count before it is drawn. Written once
// for any source of draws, so the fast path and the scripted one cannot drift apart.
template<typename Draw>
inline std::int16_t RollExplodingDie(std::int16_t size, std::int16_t &count, Draw &&draw)
{
    if (size < 2) [[unlikely]]
        throw RuntimeError(InvalidArgument, {}, "A die needs at least two faces.");
    std::int16_t total = 0;
    for (;;) {
        count = Add16(count, 1);
        const std::int16_t face = FaceFor(draw(), size);
        if (face != size)
            return Add16(total, face);
        total = Add16(total, size);
    }
}

// Rolls one exploding die from the program's random source, counted in RollCount.
inline std::int16_t RollDie(std::int16_t size)
{
    return RollExplodingDie(size, RollCount, [] { return Random().next(); });
}

} // namespace MainBas
