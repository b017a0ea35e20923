#include "BoxText.h"

#include "ParagraphPieces.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace MainBas {

namespace {

// Wrapping at word boundaries, every row searches the rest of a run for a place to break,
// so a run of a few MiB without a blank takes minutes to lay out. A run longer than this
// wraps anywhere: it fills its rows the same way, and a thousand characters cost little.
constexpr qsizetype LongestRunWrappedAtWords = 1000;

QString boxLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Where a row may surely end. A no-break space glues, and a hyphen may or may not
// allow a break, so both count as part of a run: wrapping anywhere is the safe guess.
bool endsRun(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool hasLongRun(const QString &text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = endsRun(c) ? 0 : run + 1;
        if (run > LongestRunWrappedAtWords)
            return true;
    }
    return false;
}

// A box that scrolls sideways keeps its unwrapped rows.
bool wraps(const QPlainTextEdit *box)
{
    return box->lineWrapMode() != QPlainTextEdit::NoWrap;
}

void chooseWrapMode(QPlainTextEdit *box, const QString &lines)
{
    const QTextOption::WrapMode mode
        = hasLongRun(lines) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wraps(box) && box->wordWrapMode() != mode) {
        // Emptied first, so the old text is not laid out again in the new mode.
        box->clear();
        box->setWordWrapMode(mode);
    }
}

} // namespace

void SetBoxText(QPlainTextEdit *box, const QString &text)
{
    const QString lines = boxLines(text);
    chooseWrapMode(box, lines);
    box->setPlainText(lines);
}

void ShowBoxText(QPlainTextEdit *box, const QString &text)
{
    const QString lines = boxLines(text);
    chooseWrapMode(box, lines);
    if (wraps(box))
        SetPlainTextInPieces(box, lines);
    else
        box->setPlainText(lines);
}

QString BoxText(const QPlainTextEdit *box)
{
    // The raw text of each block, not toPlainText(), which would turn no-break spaces
    // into blanks and change the bytes of an action file saved unchanged. Shift+Enter
    // puts a line separator inside a block.
    QString text;
    const QTextBlock first = box->document()->begin();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (block != first && !ContinuesParagraph(block))
            text += QLatin1Char('\n');
        text += block.text();
    }
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void AppendBoxText(QPlainTextEdit *box, const QString &text)
{
    const QString lines = boxLines(text);
    WrapAnywhereForLongRuns(box, lines);
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    end.insertText(lines);
    box->document()->clearUndoRedoStacks();
}

void WrapAnywhereForLongRuns(QPlainTextEdit *box, const QString &added)
{
    if (wraps(box) && hasLongRun(added))
        box->setWordWrapMode(QTextOption::WrapAnywhere);
}

} // namespace MainBas
