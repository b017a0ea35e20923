#include "ProgramFolder.h"

#include <QCoreApplication>

namespace MainBas {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString ProgramFolder()
{
    return folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
}

void SetProgramFolder(const QString &folder)
{
    folderOverride() = folder;
}

} // namespace MainBas
