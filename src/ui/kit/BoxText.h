#pragma once

#include <QString>

class QPlainTextEdit;

namespace MainBas {

// Commands build their texts with CR LF line breaks, as the files hold them; Qt's
// text widgets use "\n". These two are the only places where one becomes the other.
//
// A box that wraps does so at word boundaries, but while its text holds a run of more
// than a thousand characters without a blank, it wraps anywhere: wrapping such a run at
// words takes minutes once it is a few MiB long.
void SetBoxText(QPlainTextEdit *box, const QString &text);
QString BoxText(const QPlainTextEdit *box);

// As SetBoxText, for a box whose text is shown and never saved: a long paragraph is held
// in pieces, so that any text a data file may hold shows at once.
void ShowBoxText(QPlainTextEdit *box, const QString &text);

// Adds text at the end of a box, leaving what it shows untouched and nothing to undo.
void AppendBoxText(QPlainTextEdit *box, const QString &text);

// Lets a wrapping box wrap anywhere when text about to be added to it holds such a run;
// for text that arrives some other way than the two above, e.g. pasted.
void WrapAnywhereForLongRuns(QPlainTextEdit *box, const QString &added);

} // namespace MainBas
