#pragma once

#include "CharacterSheet.h"

#include <QString>

#include <stdexcept>

namespace MainBas::Sheet {

// A sheet file that could not be opened or saved, in one sentence naming the file and the
// fault: "Could not open Kethra.json: it is not a Tessarion character sheet."
class SheetFileError : public std::runtime_error
{
public:
    explicit SheetFileError(const QString &message)
        : std::runtime_error(message.toStdString())
    { }

    QString message() const { return QString::fromStdString(what()); }
};

// The sheet in the file. Anything but a regular file that holds a whole, sensible sheet
// throws SheetFileError.
CharacterSheet ReadSheetFile(const QString &path);

// Replaces the file with the sheet atomically, so a failed or interrupted save leaves the
// old file whole; a failure throws SheetFileError.
void WriteSheetFile(const QString &path, const CharacterSheet &sheet);

} // namespace MainBas::Sheet
