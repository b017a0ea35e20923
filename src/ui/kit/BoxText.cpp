#include "BoxText.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace MainBas {

namespace {

QString boxLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void SetBoxText(QPlainTextEdit *box, const QString &text)
{
    box->setPlainText(boxLines(text));
}

QString BoxText(const QPlainTextEdit *box)
{
    // The raw text, not toPlainText(), which would turn no-break spaces into blanks
    // and change the bytes of an action file saved unchanged. Lines are separated by
    // paragraph separators; Shift+Enter puts a line separator.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void AppendBoxText(QPlainTextEdit *box, const QString &text)
{
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    end.insertText(boxLines(text));
    box->document()->clearUndoRedoStacks();
}

} // namespace MainBas
