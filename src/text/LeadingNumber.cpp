#include "LeadingNumber.h"

#include "RuntimeError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace MainBas {

namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Collects the characters of the leading number, skipped characters left out.
template<typename Char> std::string leadingNumberText(std::basic_string_view<Char> text)
{
    std::string number;
    bool signAllowed = true;
    bool pointSeen = false;
    for (const Char raw : text) {
        const auto c = static_cast<char16_t>(static_cast<std::make_unsigned_t<Char>>(raw));
        if (isSkipped(c))
            continue;
        if (signAllowed && (c == u'+' || c == u'-')) {
            if (c == u'-')
                number += '-';
        } else if (isDigit(c)) {
            number += static_cast<char>(c);
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            number += '.';
        } else {
            break;
        }
        signAllowed = false;
    }
    return number;
}

bool hasNonZeroIntegerDigit(std::string_view number)
{
    for (const char c : number) {
        if (c == '.')
            return false;
        if (c >= '1' && c <= '9')
            return true;
    }
    return false;
}

double parse(const std::string &number)
{
    const bool negative = !number.empty() && number.front() == '-';
    const std::string_view digits = std::string_view(number).substr(negative ? 1 : 0);
    if (digits.find_first_of("0123456789") == std::string_view::npos)
        return 0;
    // from_chars, unlike strtod, ignores the locale, and reads "5." and ".5" as well.
    std::string padded(digits);
    if (padded.front() == '.')
        padded.insert(padded.begin(), '0');
    if (padded.back() == '.')
        padded.pop_back();
    double value = 0;
    const auto result = std::from_chars(padded.data(), padded.data() + padded.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = hasNonZeroIntegerDigit(padded) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

template<typename Integer> Integer roundTo(double value)
{
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    if (!(rounded >= static_cast<double>(std::numeric_limits<Integer>::min())
          && rounded <= static_cast<double>(std::numeric_limits<Integer>::max())))
        throw RuntimeError(Overflow);
    return static_cast<Integer>(rounded);
}

} // namespace

double ReadLeadingNumber(std::u16string_view text)
{
    return parse(leadingNumberText(text));
}

double ReadLeadingNumber(std::string_view text)
{
    return parse(leadingNumberText(text));
}

std::int16_t RoundToInt16(double value)
{
    return roundTo<std::int16_t>(value);
}

std::int32_t RoundToInt32(double value)
{
    return roundTo<std::int32_t>(value);
}

} // namespace MainBas
