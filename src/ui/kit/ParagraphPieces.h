#pragma once

#include <QString>

class QPlainTextEdit;
class QTextBlock;
class QTextCursor;

namespace MainBas {

// Qt lays out a paragraph whole, about a quarter of a second per MiB, while a text box
// lays out only the paragraphs in view. A box that shows a long paragraph therefore holds
// it as pieces that continue one another: a row may end a little early where a piece
// ends, and reading or copying the text joins the pieces again.
void SetPlainTextInPieces(QPlainTextEdit *box, const QString &lines);

// Whether this block is a later piece of the paragraph before it.
bool ContinuesParagraph(const QTextBlock &block);

// The selected text as plain text, pieces joined; a null string when the selection
// crosses no place where a paragraph was cut.
QString SelectedTextJoined(const QTextCursor &selection);

} // namespace MainBas
