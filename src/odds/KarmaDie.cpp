#include "KarmaDie.h"

namespace MainBas::Odds {

int SizeOf(KarmaDie karma)
{
    // In the order of the enumeration, none first.
    static constexpr std::array<int, KarmaDice.size()> Sizes = {0, 4, 6, 8, 10, 12, 20};
    return Sizes.at(static_cast<std::size_t>(karma));
}

std::string KarmaDieText(KarmaDie karma)
{
    if (karma == KarmaDie::None)
        return {};
    return std::string("D").append(std::to_string(SizeOf(karma)));
}

} // namespace MainBas::Odds
