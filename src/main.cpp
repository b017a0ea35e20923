#include "Die.h"
#include "Session.h"
#include "SideWindows.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainBas::Session session;
    const std::unique_ptr<MainBas::Die> window = MainBas::StartProgram(session);
    if (!window)
        return 1;
    const int exitCode = QApplication::exec();
    // The side windows show the session's log: they go before it does.
    MainBas::DestroySideWindows();
    return exitCode;
}
