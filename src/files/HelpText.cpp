#include "HelpText.h"

#include "CodePage.h"
#include "FileAccess.h"
#include "LineReader.h"
#include "ProgramFolder.h"

namespace MainBas {

QString LoadHelpText()
{
    const QString path = ProgramFilePath(QStringLiteral("help.txt"));
    const std::string bytes = ReadFileBytes(path);
    QString text;
    LineReader reader(bytes);
    while (!reader.atEnd())
        text += QString::fromStdU16String(DecodeSingleByte(reader.readLine()))
            + QStringLiteral("\r\n");
    return text;
}

} // namespace MainBas
