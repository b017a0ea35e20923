#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!MainBas::StartProgram())
        return 1;
    const int exitCode = QApplication::exec();
    MainBas::DestroyMainWindow();
    return exitCode;
}
