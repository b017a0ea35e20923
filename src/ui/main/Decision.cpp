// A decision button picks one whole number from 1 to its caption, each equally likely.
#include "Die.h"

#include "Checked16.h"
#include "Dice.h"
#include "ErrorReporter.h"
#include "Outcome.h"
#include "Session.h"
#include "TextForms.h"

namespace MainBas {

void Die::cmdDecision_Click(int Index)
{
    RunCommand([&] {
        const std::int16_t possibilities = Add16(static_cast<std::int16_t>(Index), 2);
        // A plain draw, not a die: no explosion, and RollCount stays as it was. The
        // face is computed in double and held to the range, so even the largest draw
        // below 1 cannot give possibilities + 1.
        const std::int16_t result = DrawFace(m_session.random, possibilities);
        const QString resultText = BlankSignedText(result);
        const QString possibilitiesText = BlankSignedText(possibilities);
        present({.dices = QStringLiteral("Decision:") + possibilitiesText,
                 .result = resultText,
                 .info = QStringLiteral("A decision was made between") + possibilitiesText
                     + QStringLiteral(" possibilities. The result was") + resultText
                     + QStringLiteral("."),
                 .logged = Log::DecisionMade {possibilities, result}});
    });
}

} // namespace MainBas
