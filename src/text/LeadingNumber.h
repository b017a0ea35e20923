#pragma once

#include <cstdint>
#include <string_view>

namespace MainBas {

// The number a text starts with. Blanks, tabs and line feeds are skipped wherever
// they stand, even between digits; then an optional sign, digits, and an optional
// period with further digits. Reading stops at the first character that cannot
// continue the number; a text without a leading number reads as 0. The period is
// the decimal separator whatever the locale. A value too large for a double reads
// as an infinity, which every conversion below refuses with the overflow error.
double ReadLeadingNumber(std::u16string_view text);
double ReadLeadingNumber(std::string_view text);

// Round half to even, then convert; outside the target range: the overflow error.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

} // namespace MainBas
