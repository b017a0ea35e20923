// Step Table lists every step with its dice in the text viewer.
#include "Die.h"

#include "ErrorReporter.h"
#include "Outcome.h"
#include "StepDescriptions.h"
#include "TextForms.h"

namespace MainBas {

namespace {

const QString TableTitle = QStringLiteral("Extended Earthdawn Step Table");

// The number left-aligned in three characters and seven blanks put every
// description in the eleventh column.
QString stepLine(int step)
{
    return QString::number(step).leftJustified(3) + QString(7, QLatin1Char(' '))
        + StepDescriptions[static_cast<std::size_t>(step)] + CrLf;
}

QString stepTable()
{
    QString text = TableTitle + CrLf + CrLf + QStringLiteral("Step   Dices") + CrLf + CrLf;
    for (int step = 1; step <= StepCount; ++step)
        text += stepLine(step);
    return text;
}

} // namespace

void Die::cmdSteps_Click()
{
    RunCommand([&] { present({.viewer = ViewerUpdate {TableTitle, stepTable()}}); });
}

} // namespace MainBas
