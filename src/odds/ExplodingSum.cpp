#include "ExplodingSum.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace MainBas::Odds {

namespace {

// The tally of no dice at all, whose sum is 0.
double tallyOfNoDice(Tally tally, int total)
{
    switch (tally) {
    case Tally::Exactly:
        return total == 0 ? 1.0 : 0.0;
    case Tally::AtLeast:
        return total <= 0 ? 1.0 : 0.0;
    case Tally::Below:
        return total > 0 ? 1.0 : 0.0;
    }
    return 0.0;
}

} // namespace

ExplodingSum::ExplodingSum(std::vector<int> sizes, Tally tally)
    : m_sizes(std::move(sizes))
    , m_tally(tally)
    , m_partial(m_sizes.size() + 1)
{ }

double ExplodingSum::chance(int total)
{
    if (total < 0)
        return chanceBeforeZero();
    while (static_cast<int>(m_partial.front().size()) <= total)
        addNextTotal();
    return m_partial.back()[static_cast<std::size_t>(total)];
}

// The dice show at least 1 each, so every sum lies above any negative total.
double ExplodingSum::chanceBeforeZero() const
{
    return m_tally == Tally::AtLeast ? 1.0 : 0.0;
}

// An n-sided die shows each face f below n with chance 1/n and adds f, or shows n, also with
// chance 1/n, and adds n to a fresh roll of the same die. So with the die the dice reach the
// next total t from t - f without it, or from t - n with it; the tallies add up alike.
void ExplodingSum::addNextTotal()
{
    const auto total = static_cast<int>(m_partial.front().size());
    m_partial.front().push_back(tallyOfNoDice(m_tally, total));
    for (std::size_t die = 0; die < m_sizes.size(); ++die) {
        const int size = m_sizes[die];
        const std::vector<double> &without = m_partial[die];
        double sum = total >= size ? m_partial[die + 1][static_cast<std::size_t>(total - size)]
                                   : chanceBeforeZero();
        const int facesAboveZero = std::min(size - 1, total);
        for (int face = 1; face <= facesAboveZero; ++face)
            sum += without[static_cast<std::size_t>(total - face)];
        sum += (size - 1 - facesAboveZero) * chanceBeforeZero();
        m_partial[die + 1].push_back(sum / size);
    }
}

} // namespace MainBas::Odds
