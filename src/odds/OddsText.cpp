#include "OddsText.h"

#include "StepPools.h"

#include <cmath>
#include <cstdio>

namespace MainBas::Odds {

namespace {

std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// 1234567 as "1,234,567".
std::string grouped(double whole)
{
    const std::string digits = format("%.0f", whole);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string successLine(const StepOdds &odds, int target, int margin)
{
    const std::string reach = std::to_string(target + margin) + " or more";
    const std::string label = margin == 0
        ? "Success (" + reach + "): "
        : "Beating it by " + std::to_string(margin) + " or more (" + reach + "): ";
    return label + ChanceText(odds.atLeast(target + margin));
}

} // namespace

std::string PercentText(double chance)
{
    if (chance <= 0)
        return "0%";
    if (chance >= 1)
        return "100%";
    const double tenths = std::round(chance * 1000);
    if (tenths < 1)
        return "less than 0.1%";
    if (tenths > 999)
        return "more than 99.9%";
    return format("%.1f%%", tenths / 10);
}

std::string ChanceText(double chance)
{
    if (chance <= 0 || chance >= 0.01)
        return PercentText(chance);
    return PercentText(chance) + " (1 in " + grouped(std::round(1 / chance)) + ")";
}

std::string DiceText(int step, KarmaDie karma)
{
    const std::string pool = PoolText(step);
    return karma == KarmaDie::None ? pool : pool + ", karma " + KarmaDieText(karma);
}

std::vector<std::string> SummaryLines(int step, KarmaDie karma, int target, const StepOdds &odds)
{
    return {
        "Step " + std::to_string(step) + ": " + DiceText(step, karma),
        "Mean " + format("%.1f", odds.mean) + ", most likely total "
            + std::to_string(odds.mostLikely),
        "Middle 90% of rolls: " + std::to_string(odds.middle90Low) + " to "
            + std::to_string(odds.middle90High),
        successLine(odds, target, 0),
        successLine(odds, target, 5),
        successLine(odds, target, 10),
        successLine(odds, target, 15),
        "Fumble: " + ChanceText(odds.fumble),
    };
}

} // namespace MainBas::Odds
