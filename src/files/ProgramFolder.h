#pragma once

#include <QString>

namespace MainBas {

// The folder that holds the program's executable: every data file lives there.
QString ProgramFolder();

// Points the program at another folder (tests use a temporary one); an empty path
// goes back to the executable's folder.
void SetProgramFolder(const QString &folder);

// A file of the program folder, e.g. ProgramFilePath("steps.txt").
QString ProgramFilePath(const QString &fileName);

} // namespace MainBas
