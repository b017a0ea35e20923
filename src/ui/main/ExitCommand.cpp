// Exit ends the program at once.
#include "Die.h"

#include "ErrorReporter.h"
#include "SideWindows.h"

#include <QApplication>

namespace MainBas {

void Die::cmdExit_Click()
{
    RunCommand([] {
        // Windows are hidden rather than closed, so none gets a close event to ask
        // anything in; the side windows go now. Nothing is saved.
        for (QWidget *window : QApplication::topLevelWidgets())
            window->hide();
        DestroySideWindows();
        QCoreApplication::exit(0);
    });
}

} // namespace MainBas
