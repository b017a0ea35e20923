#pragma once

#include "StepTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace MainBas {

// The editions of the game whose step tables and rules the program offers. The first is
// the program's own table and fumble rule, rolled unless another is chosen.
enum class Edition : std::uint8_t { First, Classic, Third, Fourth };

inline constexpr std::array<Edition, 4> Editions
    = {Edition::First, Edition::Classic, Edition::Third, Edition::Fourth};

// The edition's step table, with its rule for automatic failures.
const StepTable &StepTableOf(Edition edition);

// The word that stands for it in the settings file: "first", "classic", "third", "fourth".
std::string_view EditionKey(Edition edition);
std::optional<Edition> EditionOfKey(std::string_view key);

// As the windows name it: "1st edition", "Classic", "3rd edition", "4th edition".
std::string_view EditionName(Edition edition);

// Whether a result beyond the target number counts extra successes, one for every full 5.
inline bool CountsExtraSuccesses(Edition edition)
{
    return edition == Edition::Fourth;
}

} // namespace MainBas
