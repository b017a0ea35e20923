#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace MainBas {

// " 15" for zero and positive values, "-1" for negative ones: the sign position is
// kept blank, so columns of numbers line up and "was 15" reads naturally.
std::string BlankSigned(std::int64_t value);

// The shortest decimal form with no blanks and at most 15 significant digits: bare
// digits for a whole number below 10^15, a fraction with the given decimal separator,
// and the exponent form beyond that ("1E+20").
std::string PlainNumber(double value, std::string_view decimalSeparator = ".");

} // namespace MainBas
