#include "Die.h"
#include "Session.h"
#include "SideWindows.h"
#include "Startup.h"
#include "WindowLook.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The names place the user's data folder and settings (QStandardPaths, QSettings);
    // the desktop file name ties the running window to its menu entry.
    QCoreApplication::setOrganizationName(QStringLiteral("Tessarion"));
    QCoreApplication::setApplicationName(QStringLiteral("tessarion"));
    QCoreApplication::setApplicationVersion(MainBas::ProgramVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessarion.Tessarion"));
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
