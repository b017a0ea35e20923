#pragma once

#include <array>
#include <string>

namespace MainBas::Odds {

// The extra die a character may spend karma on: rolled like the step's own dice, exploding,
// and added to the total.
enum class KarmaDie { None, D4, D6, D8, D10, D12, D20 };

inline constexpr std::array<KarmaDie, 7> KarmaDice
    = {KarmaDie::None, KarmaDie::D4,  KarmaDie::D6, KarmaDie::D8,
       KarmaDie::D10,  KarmaDie::D12, KarmaDie::D20};

// The karma die's number of faces, 0 for none.
int SizeOf(KarmaDie karma);

// The karma die as the windows show it, e.g. "D6"; empty for none.
std::string KarmaDieText(KarmaDie karma);

} // namespace MainBas::Odds
