#include "BoxText.h"

#include <QPlainTextEdit>

namespace MainBas {

void SetBoxText(QPlainTextEdit *box, const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(shown);
}

QString BoxText(const QPlainTextEdit *box)
{
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace MainBas
