#pragma once

// Pearson's chi-square test of observed counts against expected ones, shared by the
// statistical tests of the dice and of the odds.

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

// Upper critical value of chi-square with df degrees of freedom at about p = 1e-4
// (Wilson-Hilferty).
inline double chiSquareCritical(int df)
{
    const double z = 3.719;
    const double a = 2.0 / (9.0 * df);
    return df * std::pow(1.0 - a + z * std::sqrt(a), 3);
}

struct ChiSquare
{
    double statistic = 0;
    int degreesOfFreedom = 0;

    bool passes() const { return statistic < chiSquareCritical(degreesOfFreedom); }
    QString describe() const
    {
        return QStringLiteral("chi-square %1 with %2 df").arg(statistic).arg(degreesOfFreedom);
    }
};

// Merges neighbouring cells until each expects at least 5 observations.
inline ChiSquare chiSquare(const std::vector<double> &expected, const std::vector<double> &observed)
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
