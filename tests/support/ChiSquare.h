#pragma once

// Pearson's chi-square test for the statistical checks of the dice.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

struct ChiSquare
{
    double statistic = 0;
    int degreesOfFreedom = 0;

    // Beyond the upper critical value at about p = 1e-4 (Wilson-Hilferty), so a fixed
    // seed that passes once keeps passing, and a real fault still stands out.
    bool rejects() const
    {
        const double z = 3.719;
        const double a = 2.0 / (9.0 * degreesOfFreedom);
        return statistic >= degreesOfFreedom * std::pow(1.0 - a + z * std::sqrt(a), 3);
    }
};

// Neighbouring cells are merged until each expects at least 5 observations.
inline ChiSquare ChiSquareOf(const std::vector<double> &expected,
                             const std::vector<double> &observed)
{
    ChiSquare result;
    double e = 0;
    double o = 0;
    int cells = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        e += expected[i];
        o += observed[i];
        if (e >= 5 || i + 1 == expected.size()) {
            result.statistic += (o - e) * (o - e) / std::max(e, 1e-9);
            ++cells;
            e = o = 0;
        }
    }
    result.degreesOfFreedom = cells - 1;
    return result;
}
