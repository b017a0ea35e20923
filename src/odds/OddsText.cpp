#include "OddsText.h"

#include "RolledDice.h"
#include "SuccessChances.h"
#include "TestOdds.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace MainBas::Odds {

namespace {

// From a billion on, "1 in N" gives N as a power of ten.
constexpr int LongestDigitRun = 9;

std::string withStyle(std::string_view plain, const NumberStyle &style)
{
    std::string text;
    for (const char c : plain) {
        if (c == '.')
            text += style.decimalPoint;
        else
            text += c;
    }
    return text;
}

// The plain decimal form, whatever locale the C library is set to; room for any double.
std::string plainDecimal(double value, int decimals)
{
    std::array<char, 512> text {};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::fixed, decimals);
    return {text.data(), written.ptr};
}

// 1234567 as "1,234,567".
std::string grouped(std::string_view digits, const NumberStyle &style)
{
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += style.groupSeparator;
        text += digits[i];
    }
    return text;
}

std::string superscript(int exponent)
{
    static constexpr std::array<std::string_view, 10> Digits
        = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    for (const char digit : std::to_string(exponent))
        text += Digits.at(static_cast<std::size_t>(digit - '0'));
    return text;
}

// N, at least 100, rounded to three significant figures: "480", "2,040", "5.16 × 10¹⁸".
std::string oneInText(double n, const NumberStyle &style)
{
    std::array<char, 64> text {};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), n,
                                       std::chars_format::scientific, 2);
    const std::string_view rounded(text.data(),
                                   static_cast<std::size_t>(written.ptr - text.data()));
    // "d.dde+x"
    const std::string mantissa {rounded[0], rounded[2], rounded[3]};
    const int exponent = std::stoi(std::string(rounded.substr(rounded.find('e') + 1)));
    if (exponent >= LongestDigitRun)
        return withStyle(rounded.substr(0, 4), style) + " × 10" + superscript(exponent);
    return grouped(mantissa + std::string(static_cast<std::size_t>(exponent - 2), '0'), style);
}

std::string successLine(SuccessChances &chances, int target, int margin, const NumberStyle &style)
{
    const std::string reach = std::to_string(target + margin) + " or more";
    const std::string label = margin == 0
        ? "Success (" + reach + "): "
        : "Beating it by " + std::to_string(margin) + " or more (" + reach + "): ";
    return label + ChanceText(chances.against(target + margin), style);
}

std::string extraSuccessCount(int extra)
{
    if (extra == 0)
        return "No extra success";
    if (extra == 1)
        return "1 extra success";
    return std::to_string(extra) + " extra successes";
}

// "No extra success (13 to 17): ", ..., "3 or more extra successes (28 or more): ".
std::string extraSuccessLabel(int extra, int target)
{
    const int low = target + extra * PointsPerExtraSuccess;
    if (extra == ExtraSuccessesTold) {
        return std::to_string(extra) + " or more extra successes (" + std::to_string(low)
            + " or more): ";
    }
    return extraSuccessCount(extra) + " (" + std::to_string(low) + " to "
        + std::to_string(low + PointsPerExtraSuccess - 1) + "): ";
}

void addMarginLines(std::vector<std::string> &lines, SuccessChances &chances, int target,
                    Edition edition, const NumberStyle &style)
{
    if (!CountsExtraSuccesses(edition)) {
        for (const int margin : {5, 10, 15})
            lines.push_back(successLine(chances, target, margin, style));
        return;
    }
    const std::vector<Chance> bands = ExtraSuccessChances(chances, target);
    for (std::size_t extra = 0; extra < bands.size(); ++extra) {
        lines.push_back(extraSuccessLabel(static_cast<int>(extra), target)
                        + ChanceText(bands[extra], style));
    }
}

// The dice of one role written as the step's are: "2D6".
std::string textOfRole(const DicePool &pool, DieRole role)
{
    DicePool ofRole;
    for (const PoolDie &die : pool.dice()) {
        if (die.role == role)
            ofRole.add(die.size);
    }
    return ofRole.text();
}

} // namespace

std::string DecimalText(double value, int decimals, const NumberStyle &style)
{
    return withStyle(plainDecimal(value, decimals), style);
}

std::string PercentText(Chance chance, const NumberStyle &style)
{
    if (chance.value <= 0)
        return "0%";
    if (chance.complement <= 0)
        return "100%";
    const double tenths = std::round(chance.value * 1000);
    if (tenths < 1)
        return "less than " + DecimalText(0.1, 1, style) + "%";
    if (tenths > 999)
        return "more than " + DecimalText(99.9, 1, style) + "%";
    return DecimalText(tenths / 10, 1, style) + "%";
}

std::string ChanceText(Chance chance, const NumberStyle &style)
{
    if (chance.value <= 0 || chance.value >= 0.01)
        return PercentText(chance, style);
    return PercentText(chance, style) + " (1 in " + oneInText(1 / chance.value, style) + ")";
}

std::string DiceText(const DicePool &pool)
{
    std::string text = pool.text();
    const std::string karma = textOfRole(pool, DieRole::Karma);
    const std::string devotion = textOfRole(pool, DieRole::Devotion);
    if (!karma.empty())
        text += ", karma " + karma;
    if (!devotion.empty())
        text += ", devotion " + devotion;
    return text;
}

FailureWords FailureWordsOf(FailureRule rule)
{
    if (rule == FailureRule::ProgramFumble)
        return {"Fumble", "fumble", "fumbles"};
    return {"Rule of One", "Rule of One failure", "Rule of One failures"};
}

std::vector<std::string> SummaryLines(int step, const DicePool &pool, Edition edition, int target,
                                      const StepOdds &odds, const NumberStyle &style)
{
    SuccessChances chances(DiceOf(pool, odds.rule));
    std::vector<std::string> lines = {
        "Step " + std::to_string(step) + ": " + DiceText(pool),
        "Mean " + DecimalText(odds.mean, 1, style) + ", most likely total "
            + std::to_string(odds.mostLikely),
        "Middle 90% of rolls: " + std::to_string(odds.middle90Low) + " to "
            + std::to_string(odds.middle90High),
        successLine(chances, target, 0, style),
    };
    addMarginLines(lines, chances, target, edition, style);
    lines.push_back(FailureWordsOf(odds.rule).label + ": "
                    + ChanceText(ChanceOf(odds.fumble), style));
    return lines;
}

} // namespace MainBas::Odds
