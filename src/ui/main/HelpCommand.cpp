// Help shows help.txt from the program folder in the text viewer.
#include "Die.h"

#include "ErrorReporter.h"
#include "HelpText.h"
#include "Outcome.h"
#include "WindowLook.h"

namespace MainBas {

void Die::cmdHelp_Click()
{
    RunCommand([&] {
        present({.dices = ProgramTitle(), .result = QStringLiteral("Help")});
        // A missing file stops here: the boxes already show Help, the viewer stays shut.
        const QString text = LoadHelpText();
        present({.info = QString(),
                 .viewer = ViewerUpdate {ProgramTitle() + QStringLiteral(" - Help"), text}});
    });
}

} // namespace MainBas
