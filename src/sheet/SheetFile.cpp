#include "SheetFile.h"

#include "FileAccess.h"

#include <QFileInfo>

namespace MainBas::Sheet {

namespace {

// "it is not a sheet" from "It is not a sheet.", to follow "Could not open x: ".
QString clause(QString sentence)
{
    if (sentence.endsWith(QLatin1Char('.')))
        sentence.chop(1);
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toLower();
    return sentence;
}

[[noreturn]] void fail(const char *doing, const QString &path, const QString &why)
{
    throw SheetFileError(QStringLiteral("Could not %1 %2: %3.")
                             .arg(QLatin1String(doing), QFileInfo(path).fileName(), clause(why)));
}

QString readingFault(const RuntimeError &error)
{
    if (!error.detail().empty())
        return QString::fromStdString(error.detail());
    return error.number() == FileNotFound ? QStringLiteral("there is no such file")
                                          : QStringLiteral("it cannot be read");
}

} // namespace

CharacterSheet ReadSheetFile(const QString &path)
{
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const RuntimeError &error) {
        fail("open", path, readingFault(error));
    }
    try {
        return SheetFromJson(QByteArray::fromStdString(bytes));
    } catch (const SheetFault &fault) {
        fail("open", path, QString::fromStdString(fault.what()));
    }
}

void WriteSheetFile(const QString &path, const CharacterSheet &sheet)
{
    const QByteArray json = SheetToJson(sheet);
    // What could not be read back is not written in the first place.
    if (json.size() > LargestSheetBytes)
        fail("save", path,
             QStringLiteral("the sheet would hold %1 bytes, and at most 16 MiB can be opened")
                 .arg(json.size()));
    try {
        WriteFileAtomically(path, json);
    } catch (const WriteError &error) {
        fail("save", path, error.reason());
    }
}

} // namespace MainBas::Sheet
