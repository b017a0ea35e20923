// Help shows help.txt from the program folder in the text viewer.
#include "Die.h"

#include "BoxText.h"
#include "CodePage.h"
#include "CommandText.h"
#include "ErrorReporter.h"
#include "FileAccess.h"
#include "LineReader.h"
#include "ProgramFolder.h"
#include "WindowLook.h"
#include "frmText.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace MainBas {

namespace {

// Every line of the file, the last one included, ends with CR LF in the text.
QString helpText(const std::string &bytes)
{
    QString text;
    LineReader reader(bytes);
    while (!reader.atEnd())
        text += QString::fromStdU16String(DecodeSingleByte(reader.readLine())) + CrLf;
    return text;
}

} // namespace

void Die::cmdHelp_Click()
{
    RunCommand([&] {
        txtErgebnis->setText(QStringLiteral("Help"));
        txtDices->setText(ProgramTitle());
        // A missing file stops here: the boxes already show Help, the viewer stays shut.
        const QString text = helpText(ReadFileBytes(ProgramFilePath(QStringLiteral("help.txt"))));
        SetViewerTitle(ProgramTitle() + QStringLiteral(" - Help"));
        SetBoxText(txtInfo, QString());
        SetViewerText(text);
        ShowViewer();
    });
}

} // namespace MainBas
