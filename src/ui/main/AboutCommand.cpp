// About names the program, its maker, its version and its terms in the main boxes.
#include "Die.h"

#include "ErrorReporter.h"
#include "Outcome.h"
#include "WindowLook.h"

namespace MainBas {

void Die::cmdAbout_Click()
{
    RunCommand([&] {
        present({.dices = QStringLiteral("Version ") + ProgramVersion(),
                 .result = QStringLiteral("TESSARION"),
                 .info = QStringLiteral("Tessarion is written by the Tessarion project.\r\n"
                                        "Tessarion is freeware: you may use, copy and share "
                                        "it free of charge.")});
    });
}

} // namespace MainBas
