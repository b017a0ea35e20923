// Help shows help.txt from the program folder in the text viewer.
#include "Die.h"

#include "BoxText.h"
#include "ErrorReporter.h"
#include "HelpText.h"
#include "WindowLook.h"
#include "frmText.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace MainBas {

void Die::cmdHelp_Click()
{
    RunCommand([&] {
        txtErgebnis->setText(QStringLiteral("Help"));
        txtDices->setText(ProgramTitle());
        // A missing file stops here: the boxes already show Help, the viewer stays shut.
        const QString text = LoadHelpText();
        SetViewerTitle(ProgramTitle() + QStringLiteral(" - Help"));
        SetBoxText(txtInfo, QString());
        SetViewerText(text);
        ShowViewer();
    });
}

} // namespace MainBas
