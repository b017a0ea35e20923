// A click on a step button rolls that step once.
#include "Die.h"

#include "BoxText.h"
#include "Checked16.h"
#include "Dice.h"
#include "ErrorReporter.h"
#include "RollLog.h"
#include "StepDescriptions.h"
#include "StepRoller.h"
#include "TextForms.h"

#include <QLineEdit>
#include <QPlainTextEdit>

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

} // namespace

void Die::cmdStep_Click(int Index)
{
    RunCommand([&] {
        const std::int16_t step = Add16(static_cast<std::int16_t>(Index), 1);
        // The description shows before the roll, so it stays even if the roll fails.
        txtDices->setText(StepDescriptions[static_cast<std::size_t>(step)]);
        const std::int16_t total = RollStep(step);
        txtErgebnis->setText(BlankSignedText(total));
        SetBoxText(txtInfo, stepRollMessage(step, total, RollCount, FumbleFlag != 0));
        Log::SessionLog().append(Log::StepRolled {step, total, RollCount, FumbleFlag != 0});
    });
}

} // namespace MainBas
