// A click on an action button shows one of its entries, drawn at random.
#include "Die.h"

#include "ActionFiles.h"
#include "BoxText.h"
#include "Dice.h"
#include "ErrorReporter.h"
#include "RollLog.h"

#include <QLineEdit>
#include <QPlainTextEdit>

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
        const std::int16_t entry = count == 1 ? std::int16_t {1} : DrawFace(count);
        const QString &drawn = ActionEntries.at(button)[static_cast<std::size_t>(entry)];
        SetBoxText(txtInfo, drawn);
        if (count > 1) {
            txtDices->setText(QStringLiteral("Action: ") + ActionEntries[button][0]);
            txtErgebnis->clear();
        }
        Log::SessionLog().append(Log::ActionDrawn {ActionEntries[button][0], drawn});
    });
}

} // namespace MainBas
