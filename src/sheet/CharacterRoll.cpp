#include "CharacterRoll.h"

namespace MainBas::Sheet {

namespace {

// "This roll takes 2 karma points, but only 1 is left."
QString shortageText(int asked, int left)
{
    const QString takes = asked == 1 ? QStringLiteral("1 karma point")
                                     : QStringLiteral("%1 karma points").arg(asked);
    const QString remaining = left == 0 ? QStringLiteral("none is")
        : left == 1                     ? QStringLiteral("only 1 is")
                                        : QStringLiteral("only %1 are").arg(left);
    return QStringLiteral("This roll takes %1, but %2 left. Nothing was rolled.")
        .arg(takes, remaining);
}

} // namespace

TestResult RollForCharacter(CharacterSheet &sheet, const StepTest &test, Edition edition,
                            RandomSource &source)
{
    const bool counted = CountsKarma(sheet);
    if (counted && test.karmaPoints > sheet.karmaLeft)
        throw KarmaShort(shortageText(test.karmaPoints, sheet.karmaLeft));
    TestResult result = RollTest(test, edition, source);
    if (counted)
        sheet.karmaLeft -= test.karmaPoints;
    return result;
}

} // namespace MainBas::Sheet
