// Step Table lists every step with its dice in the text viewer.
#include "Die.h"

#include "ErrorReporter.h"
#include "Outcome.h"
#include "TextForms.h"

namespace MainBas {

namespace {

const QString TableTitle = QStringLiteral("Extended Earthdawn Step Table");

// The number left-aligned in three characters and seven blanks put every
// description in the eleventh column.
QString stepLine(int step, const QString &dice)
{
    return QString::number(step).leftJustified(3) + QString(7, QLatin1Char(' ')) + dice + CrLf;
}

} // namespace

void Die::cmdSteps_Click()
{
    RunCommand([&] {
        QString table = TableTitle + CrLf + CrLf + QStringLiteral("Step   Dices") + CrLf + CrLf;
        for (std::int16_t step = 1; step <= StepCount; ++step)
            table += stepLine(step, diceTextOf(step));
        present({.viewer = ViewerUpdate {TableTitle, table}});
    });
}

} // namespace MainBas
