#pragma once

#include "StepTest.h"

#include <QString>

namespace MainBas::Sheet {

// The texts of a test and its roll, for the Roll Sheet, the roll log and the clipboard.

// The test as asked: "Melee Weapons: step 11 + karma D6 - 2 wounds vs 13"; the name and
// its colon only when there is a name.
QString TestText(const QString &name, const StepTest &test);

// Every die with its rolls: "D10: 10+7, D8: 3, karma D6: 4".
QString DiceRollsText(const PoolRoll &roll);

// The verdict in full: "Success, 2 extra successes (by 11)", "Failure (short by 3)",
// "Rule of One: automatic failure"; empty without a target number and without a failure.
QString VerdictText(const TestVerdict &verdict, Edition edition);

// The verdict in the roll log's words: "success, 1 extra", "failure", "Rule of One".
QString ShortVerdictText(const TestVerdict &verdict, Edition edition);

// The roll log's result: "19, success, 1 extra (D10: 10+2, D8: 3, karma D6: 4)".
QString LoggedResultText(const TestResult &result, Edition edition);

// One line for a chat or a forum post: "Kethra rolls Melee Weapons (step 11 + karma D6
// - 2 wounds vs 13): D10: 10+2, D8: 3, karma D6: 4 = 19. Success, 1 extra success (by 6)."
QString SharedLine(const QString &character, const QString &name, const StepTest &test,
                   const TestResult &result, Edition edition);

} // namespace MainBas::Sheet
