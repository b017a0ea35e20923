// About names the program, its maker, its version and its terms in the main boxes.
#include "Die.h"

#include "BoxText.h"
#include "ErrorReporter.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace MainBas {

void Die::cmdAbout_Click()
{
    RunCommand([&] {
        SetBoxText(txtInfo,
                   QStringLiteral("Tessarion is written by the Tessarion project.\r\n"
                                  "Tessarion is freeware: you may use, copy and share it "
                                  "free of charge."));
        txtErgebnis->setText(QStringLiteral("TESSARION"));
        txtDices->setText(QStringLiteral("Version 1.0"));
    });
}

} // namespace MainBas
