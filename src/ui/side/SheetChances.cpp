#include "SheetChances.h"

#include "OddsText.h"
#include "TestOdds.h"

#include <QLocale>

namespace MainBas {

namespace {

// The user's locale, whatever the C library's is set to.
Odds::NumberStyle localeNumberStyle()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace

QString ChanceOfSuccessText(const Sheet::StepTest &test, Edition edition)
{
    if (!test.target)
        return {};
    const Odds::TestOdds odds
        = Odds::OddsOfTest(Sheet::PoolOf(test, edition), edition, test.target);
    return QString::fromStdString(Odds::PercentText(*odds.success, localeNumberStyle()));
}

} // namespace MainBas
