// A click on an action button shows one of its entries, drawn at random.
#include "Die.h"

#include "ActionFiles.h"
#include "Dice.h"
#include "ErrorReporter.h"
#include "Outcome.h"
#include "Session.h"

namespace MainBas {

void Die::cmdAction_Click(int Index)
{
    RunCommand([&] {
        const auto button = static_cast<std::size_t>(Index);
        const std::int16_t count = ActionEntryCounts.at(button).toShort();
        if (count < 1)
            return;
        // A single entry needs no draw and leaves the dice and result boxes alone. More
        // are drawn like a die face, without a die: RollCount stays as it was.
        const std::int16_t entry
            = count == 1 ? std::int16_t {1} : DrawFace(m_session.random, count);
        const QString &caption = ActionEntries.at(button)[0];
        const QString &drawn = ActionEntries[button][static_cast<std::size_t>(entry)];
        Outcome outcome {.info = drawn, .logged = Log::ActionDrawn {caption, drawn}};
        if (count > 1) {
            outcome.dices = QStringLiteral("Action: ") + caption;
            outcome.result = QString();
        }
        present(outcome);
    });
}

} // namespace MainBas
