#pragma once

#include <QString>

class QPlainTextEdit;

namespace MainBas {

// Commands build their texts with CR LF line breaks, as the files hold them; Qt's
// text widgets use "\n". These two are the only places where one becomes the other.
void SetBoxText(QPlainTextEdit *box, const QString &text);
QString BoxText(const QPlainTextEdit *box);

// Adds text at the end of a box, leaving what it shows untouched and nothing to undo.
void AppendBoxText(QPlainTextEdit *box, const QString &text);

} // namespace MainBas
