#include "HelpText.h"

#include "CodePage.h"
#include "DataFolders.h"
#include "FileAccess.h"
#include "LineReader.h"

namespace MainBas {

QString LoadHelpText()
{
    const QString path = DataFilePath(QStringLiteral("help.txt"));
    const std::string bytes = ReadFileBytes(path);
    QString text;
    LineReader reader(bytes);
    while (!reader.atEnd())
        text += QString::fromStdU16String(DecodeSingleByte(reader.readLine()))
            + QStringLiteral("\r\n");
    return text;
}

} // namespace MainBas
