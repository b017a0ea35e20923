#pragma once

#include <vector>

namespace MainBas::Odds {

// What an ExplodingSum tells of a total t.
enum class Tally {
    Exactly, // P(sum == t)
    AtLeast, // P(sum >= t)
    Below, // P(sum < t)
};

// The distribution of a sum of exploding dice, worked out total by total from 0 up and kept,
// so a caller pays only for the totals it asks about. No die takes anything away, so a chance
// needs nothing above its total and is exact however far the caller goes. All three tallies
// follow one recurrence of positive terms, so each keeps its relative accuracy however small
// it is: a tail is never 1 minus the rest.
class ExplodingSum
{
public:
    explicit ExplodingSum(std::vector<int> sizes, Tally tally = Tally::Exactly);

    double chance(int total);

private:
    double chanceBeforeZero() const;
    void addNextTotal();

    std::vector<int> m_sizes;
    Tally m_tally;
    // m_partial[d][t]: the tally of the first d dice at the total t.
    std::vector<std::vector<double>> m_partial;
};

} // namespace MainBas::Odds
