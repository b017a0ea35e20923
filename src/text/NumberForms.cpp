#include "NumberForms.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace MainBas {

std::string BlankSigned(std::int64_t value)
{
    std::string text = value < 0 ? std::string() : std::string(" ");
    return text.append(std::to_string(value));
}

namespace {

// "1e+20" from printf becomes "1E+20", the classic BASIC spelling.
std::string classicExponent(std::string text)
{
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    const char sign = text[e + 1];
    std::string digits = text.substr(e + 2);
    while (digits.size() > 2 && digits.front() == '0')
        digits.erase(0, 1);
    return mantissa.append("E").append(1, sign).append(digits);
}

} // namespace

std::string PlainNumber(double value, std::string_view decimalSeparator)
{
    if (value == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = classicExponent(buffer);
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

} // namespace MainBas
