#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The names place the user's data folder and settings (QStandardPaths, QSettings);
    // the desktop file name ties the running window to its menu entry.
    QCoreApplication::setOrganizationName(QStringLiteral("Tessarion"));
    QCoreApplication::setApplicationName(QStringLiteral("tessarion"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessarion.Tessarion"));
    QApplication app(argc, argv);
    if (!MainBas::StartProgram())
        return 1;
    const int exitCode = QApplication::exec();
    MainBas::DestroyMainWindow();
    return exitCode;
}
