#pragma once

#include <QString>
#include <QStringList>

namespace MainBas {

// Where the data files (steps.txt, help.txt, Action1.txt ... Action20.txt) are read and
// written.
//
// A portable folder: when the program folder holds any of the data files itself, it is
// the one data folder, read and written as it always was.
//
// An install: otherwise each file is looked up on its own, and the first of these folders
// that holds it wins:
//   1. the user's data folder, QStandardPaths' AppDataLocation, which with the program's
//      names is $XDG_DATA_HOME/Tessarion/tessarion (~/.local/share/Tessarion/tessarion);
//   2. the install's own data folder, <program folder>/../share/tessarion, so an install
//      into any prefix finds its files;
//   3. the system data folders, <each folder of $XDG_DATA_DIRS>/tessarion.

// The folders a data file is looked up in, in order, each once.
QStringList DataFolders();

// The user's data folder, whether it exists yet or not.
QString UserDataFolder();

// The data file to read: the one in the first folder that holds it. Where no folder holds
// it, the place the install puts it, so that a message names that.
QString DataFilePath(const QString &fileName);

// The file an edited data file is written to: the one it is read from, if that file and
// its folder may be written; otherwise the same name in the user's data folder, made if
// missing, which is read from then on since it comes first. A portable folder is always
// written itself. A user's data folder that cannot be made raises WriteError.
QString DataFileToWrite(const QString &fileName);

} // namespace MainBas
