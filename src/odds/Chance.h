#pragma once

namespace MainBas::Odds {

// A chance and its complement, each worked out on its own where it is small: a chance a hair
// below 1 (every die of step 100 showing 1 is a fumble in 1 of 1.3 x 10^16 rolls) is not
// rounded up to a certainty.
struct Chance
{
    double value = 0;
    double complement = 1;
};

// A chance whose complement 1 - value loses nothing: one not close to 1.
inline Chance ChanceOf(double value)
{
    return {value, 1 - value};
}

} // namespace MainBas::Odds
