#pragma once

#include "CharacterSheet.h"
#include "StepTest.h"

#include <QString>

#include <stdexcept>

namespace MainBas::Sheet {

// A character's karma: every karma die rolled takes one of the points left. A sheet whose
// maximum is 0 does not count karma, so a player who keeps no character rolls freely.
inline bool CountsKarma(const CharacterSheet &sheet)
{
    return sheet.karmaMaximum > 0;
}

// A test that asks for more karma points than the character has left, in a sentence.
class KarmaShort : public std::runtime_error
{
public:
    explicit KarmaShort(const QString &message)
        : std::runtime_error(message.toStdString())
    { }

    QString message() const { return QString::fromStdString(what()); }
};

// Rolls the test for the character and takes its karma points. A test asking for more than
// are left throws KarmaShort and rolls nothing; a roll that overflows (the run-time error)
// takes nothing either.
TestResult RollForCharacter(CharacterSheet &sheet, const StepTest &test, Edition edition,
                            RandomSource &source);

// Karma points back to the maximum.
inline void RefreshKarma(CharacterSheet &sheet)
{
    sheet.karmaLeft = sheet.karmaMaximum;
}

} // namespace MainBas::Sheet
