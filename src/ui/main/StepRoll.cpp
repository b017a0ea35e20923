// A click on a step button rolls that step once.
#include "Die.h"

#include "Checked16.h"
#include "ErrorReporter.h"
#include "Outcome.h"
#include "Session.h"
#include "StepRoller.h"
#include "TextForms.h"

namespace MainBas {

namespace {

// The wording players know, slips included ("an the result", "This this"): it stays as
// it is, since users and their notes of past rolls quote it.
QString stepRollMessage(std::int16_t step, std::int16_t total, std::int16_t rolls, bool fumble)
{
    QString message = QStringLiteral("You rolled with step ") + QString::number(step)
        + QStringLiteral(" an the result was") + BlankSignedText(total) + QStringLiteral(".\r\n(")
        + QString::number(rolls) + QStringLiteral(") Dice(s) have been rolled.");
    if (fumble)
        message += QStringLiteral("\r\n\r\nThis this an automatic failure (fumble).");
    return message;
}

Outcome rolled(std::int16_t step, Edition edition, const PoolRoll &roll)
{
    return {.result = BlankSignedText(roll.total),
            .info = stepRollMessage(step, roll.total, roll.singleRolls, roll.fumble),
            .logged = Log::StepRolled {step, roll.total, roll.singleRolls, roll.fumble, edition}};
}

} // namespace

void Die::cmdStep_Click(int Index)
{
    RunCommand([&] {
        const std::int16_t step = Add16(static_cast<std::int16_t>(Index), 1);
        // The description shows before the roll, so it stays even if the roll fails.
        present({.dices = diceTextOf(step)});
        present(
            rolled(step, m_session.edition(), RollStep(m_session.steps(), step, m_session.random)));
    });
}

} // namespace MainBas
