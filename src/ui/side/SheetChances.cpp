#include "SheetChances.h"

#include "LocaleNumberStyle.h"
#include "OddsText.h"
#include "TestOdds.h"

namespace MainBas {

QString ChanceOfSuccessText(const Sheet::StepTest &test, Edition edition)
{
    if (!test.target)
        return {};
    const Odds::TestOdds odds
        = Odds::OddsOfTest(Sheet::PoolOf(test, edition), edition, test.target);
    return QString::fromStdString(Odds::PercentText(*odds.success, LocaleNumberStyle()));
}

} // namespace MainBas
