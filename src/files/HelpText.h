#pragma once

#include <QString>

namespace MainBas {

// The lines of help.txt from the program folder, each ended with CR LF, the last one
// included. Read anew on every call; a failure raises a run-time error naming the file.
QString LoadHelpText();

} // namespace MainBas
