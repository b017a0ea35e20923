#include "ExplodingSum.h"

#include <cstddef>
#include <utility>

namespace MainBas::Odds {

namespace {

// An n-sided die shows each face f below n with chance 1/n and adds f, or shows n, also with
// chance 1/n, and adds n to a fresh roll of the same die. So with the die the dice reach the
// next total t from t - f without it, or from t - n with it.
double chanceWithOneMoreDie(const std::vector<double> &without, const std::vector<double> &with,
                            int size)
{
    const auto total = static_cast<int>(with.size());
    double chance = total >= size ? with[static_cast<std::size_t>(total - size)] : 0.0;
    for (int face = 1; face < size && face <= total; ++face)
        chance += without[static_cast<std::size_t>(total - face)];
    return chance / size;
}

} // namespace

ExplodingSum::ExplodingSum(std::vector<int> sizes)
    : m_sizes(std::move(sizes))
    , m_partial(m_sizes.size() + 1)
{ }

double ExplodingSum::probability(int total)
{
    if (total < 0)
        return 0.0;
    while (static_cast<int>(m_partial.front().size()) <= total)
        addNextTotal();
    return m_partial.back()[static_cast<std::size_t>(total)];
}

void ExplodingSum::addNextTotal()
{
    // No dice at all add up to 0 and nothing else.
    m_partial.front().push_back(m_partial.front().empty() ? 1.0 : 0.0);
    for (std::size_t die = 0; die < m_sizes.size(); ++die) {
        const double chance
            = chanceWithOneMoreDie(m_partial[die], m_partial[die + 1], m_sizes[die]);
        m_partial[die + 1].push_back(chance);
    }
}

} // namespace MainBas::Odds
