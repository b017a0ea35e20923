#pragma once

#include <vector>

namespace MainBas::Odds {

// The distribution of a sum of exploding dice, worked out total by total from 0 up and kept,
// so a caller pays only for the totals it asks about. No die takes anything away, so the
// chance of a total needs nothing above it and is exact however far the caller goes.
class ExplodingSum
{
public:
    explicit ExplodingSum(std::vector<int> sizes);

    // The chance that the dice add up to exactly this total.
    double probability(int total);

private:
    void addNextTotal();

    std::vector<int> m_sizes;
    // m_partial[d][t]: the chance that the first d dice add up to t.
    std::vector<std::vector<double>> m_partial;
};

} // namespace MainBas::Odds
