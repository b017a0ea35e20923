#pragma once

#include <QString>

namespace MainBas {

// The folder that holds the program's executable.
QString ProgramFolder();

// Makes another folder stand for the executable's one (tests use a temporary folder); an
// empty path goes back to the executable's folder.
void SetProgramFolder(const QString &folder);

} // namespace MainBas
