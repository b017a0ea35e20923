// Exit ends the program at once.
#include "Die.h"

#include "ErrorReporter.h"

#include <QApplication>
#include <QPointer>

namespace MainBas {

void Die::cmdExit_Click()
{
    RunCommand([this] {
        // Windows are hidden rather than closed, so none gets a close event to ask
        // anything in; the side windows that die on close go now. Nothing is saved.
        QList<QPointer<QWidget>> windows;
        for (QWidget *window : QApplication::topLevelWidgets())
            windows.append(window);
        for (const QPointer<QWidget> &window : windows) {
            if (!window)
                continue; // went with a window deleted before it
            window->hide();
            if (window != this && window->testAttribute(Qt::WA_DeleteOnClose))
                delete window.data();
        }
        QCoreApplication::exit(0);
    });
}

} // namespace MainBas
