#include "SheetChances.h"

#include "OddsText.h"
#include "SuccessChances.h"

#include <QLocale>

#include <algorithm>

namespace MainBas {

namespace {

// The user's locale, whatever the C library's is set to.
Odds::NumberStyle localeNumberStyle()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::optional<Odds::KarmaDie> karmaDieOf(const Sheet::StepTest &test)
{
    if (test.karmaPoints == 0)
        return Odds::KarmaDie::None;
    const auto *found
        = std::find_if(Odds::KarmaDice.begin(), Odds::KarmaDice.end(),
                       [&](Odds::KarmaDie die) { return Odds::SizeOf(die) == test.karmaDie; });
    if (test.karmaPoints > 1 || found == Odds::KarmaDice.end())
        return std::nullopt;
    return *found;
}

} // namespace

// For now the odds of the 1st edition's table with at most one karma die and no devotion.
QString ChanceOfSuccessText(const Sheet::StepTest &test, Edition edition)
{
    if (!test.target)
        return {};
    const int step = Sheet::ModifiedStepOf(test).step;
    const std::optional<Odds::KarmaDie> karma = karmaDieOf(test);
    const bool firstTable
        = edition == Edition::First || (edition == Edition::Classic && step != 14);
    if (!firstTable || !karma || test.devotionPoints > 0)
        return QStringLiteral("…");
    Odds::SuccessChances chances(step, *karma);
    return QString::fromStdString(
        Odds::PercentText(chances.against(*test.target), localeNumberStyle()));
}

} // namespace MainBas
